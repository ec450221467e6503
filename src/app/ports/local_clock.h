#pragma once
// The system's clock.
#include "timefmt/date_format.h"

namespace sorvane::ports {

class LocalClock {
 public:
  virtual ~LocalClock() = default;
  virtual DateTime Now() const = 0;  // local date and time
};

}  // namespace sorvane::ports
