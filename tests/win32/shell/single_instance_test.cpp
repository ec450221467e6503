// The one-copy mutex, with threads standing in for copies of the program: a mutex belongs to
// the thread that took it, as it belongs to a copy's main thread.
#include "platform/win32/single_instance.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace sorvane::win32 {
namespace {

// Whether a copy starting now on a thread of its own would find another holding the mutex.
bool AnotherCopyHoldsItFromElsewhere() {
  bool holds = false;
  std::thread([&holds] { holds = SingleInstanceLock().AnotherCopyHoldsIt(); }).join();
  return holds;
}

TEST(SingleInstanceLock, OneCopyHoldsItUntilItEnds) {
  EXPECT_FALSE(AnotherCopyHoldsItFromElsewhere());
  {
    const SingleInstanceLock first;
    EXPECT_FALSE(first.AnotherCopyHoldsIt());
    EXPECT_TRUE(AnotherCopyHoldsItFromElsewhere());
  }
  EXPECT_FALSE(AnotherCopyHoldsItFromElsewhere());
}

TEST(SingleInstanceLock, ACopyThatDiesHoldingItDoesNotBlockTheNext) {
  std::unique_ptr<SingleInstanceLock> killed;
  // The thread ends without letting go, as a killed copy does: the mutex is abandoned.
  std::thread([&killed] { killed = std::make_unique<SingleInstanceLock>(); }).join();
  ASSERT_FALSE(killed->AnotherCopyHoldsIt());
  const SingleInstanceLock next;
  EXPECT_FALSE(next.AnotherCopyHoldsIt());
  EXPECT_TRUE(AnotherCopyHoldsItFromElsewhere());
}

}  // namespace
}  // namespace sorvane::win32
