#pragma once
// Storage that whoever rebuilds regions over and over lends to the region operations. The
// clock rebuilds its outline from the same seventy-odd regions every second. While a
// workspace is in use, the operations take their working lists and the storage of the regions
// they build from it, and a region destroyed or overwritten hands its storage back to it, so
// a rebuild stops asking the heap for the same memory again (page faults included). With no
// workspace in use, every operation simply allocates: the results are the same either way.
//
//   RegionWorkspace workspace_;                       // kept from one rebuild to the next
//   ...
//   const RegionWorkspace::Scope scope(workspace_);   // for the duration of one rebuild
#include <cstddef>
#include <memory>

namespace sorvane {

namespace detail {
struct WorkspaceStorage;
}

class RegionWorkspace {
 public:
  RegionWorkspace();
  ~RegionWorkspace();
  RegionWorkspace(const RegionWorkspace&) = delete;
  RegionWorkspace& operator=(const RegionWorkspace&) = delete;

  // Puts the workspace in use for the region operations of this thread while the scope lives;
  // the workspace in use before it, if any, is in use again afterwards. A workspace serves one
  // thread at a time.
  class Scope {
   public:
    explicit Scope(RegionWorkspace& workspace);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    detail::WorkspaceStorage* previous_;
  };

  // The bytes of region storage kept for the next regions built, for tests and measurements.
  std::size_t SpareBytes() const;

 private:
  std::unique_ptr<detail::WorkspaceStorage> storage_;
};

}  // namespace sorvane
