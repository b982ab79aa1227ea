#pragma once

// Items worked out on several threads and taken one by one in their order on the calling
// thread, so that whatever the caller prints or writes from them comes out exactly as if it had
// worked them out itself, one after the other: the same output in the same order, the same
// first error, nothing of the items after it.

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <new>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>
#include <variant>
#include <vector>

namespace tessaly::cli {

template <typename Result>
class OrderedWork {
 public:
  // `work(i)` may run on any thread; it throws as it would on the caller's. An item for which
  // `on_caller(i)` holds (one read from standard input) is worked out by Take, when its turn
  // comes. `threads` counts the caller's: it works too, on the items no other thread has
  // claimed, while the one it takes next is under way. Threads work at most `ahead` items past
  // the last one taken, which bounds the results held; with `threads` of 1 or less, or when no
  // thread can be started, Take does all the work. Threads claim only the items below
  // `released`, raised by Release as the caller makes the others' input ready; Take releases
  // every item up to the one it takes.
  OrderedWork(std::size_t count, std::size_t threads, std::size_t ahead,
              std::function<Result(std::size_t)> work, std::function<bool(std::size_t)> on_caller,
              std::size_t released = SIZE_MAX)
      : work_(std::move(work)),
        on_caller_(std::move(on_caller)),
        outcomes_(count),
        ahead_(std::max<std::size_t>(ahead, 1)),
        released_(released) {
    for (std::size_t k = 1; k < std::min(threads, count); ++k) {
      try {
        threads_.emplace_back([this] { Work(); });
      } catch (const std::system_error&) {
        break;  // as many as the system gave, or none
      }
    }
  }
  ~OrderedWork() { StopThreads(); }
  OrderedWork(const OrderedWork&) = delete;
  OrderedWork& operator=(const OrderedWork&) = delete;

  // Lets threads claim the items below `count`.
  void Release(std::size_t count) {
    {
      const std::lock_guard lock(mutex_);
      released_ = std::max(released_, count);
    }
    claimable_.notify_all();
  }

  // Item `index`'s result, or what its work threw; items are taken in order from 0.
  Result Take(std::size_t index) {
    std::optional<Outcome> outcome;
    if (!threads_.empty()) {
      std::unique_lock lock(mutex_);
      released_ = std::max(released_, index + 1);
      if (!on_caller_(index)) {
        // Rather than sleep until the item is in, the caller works out the next one no thread
        // has claimed, which may be this very item.
        while (!outcomes_[index].has_value()) {
          if (!ClaimAndRun(lock)) done_.wait(lock);
        }
        outcome = std::move(outcomes_[index]);
        outcomes_[index].reset();
      }
      // An item worked out here counts as taken too, or a run of them would hold the threads.
      taken_ = index + 1;
      claimable_.notify_all();
    }
    if (outcome && IsOutOfMemory(*outcome)) {
      // Memory the other threads held may be what ran out: the rest goes one at a time, as
      // it would have gone on a single thread.
      StopThreads();
      for (auto& held : outcomes_)
        held.reset();
      outcome.reset();
    }
    if (!outcome) outcome = Run(index);
    if (auto* error = std::get_if<std::exception_ptr>(&*outcome)) std::rethrow_exception(*error);
    return std::get<Result>(std::move(*outcome));
  }

 private:
  using Outcome = std::variant<Result, std::exception_ptr>;

  Outcome Run(std::size_t index) {
    try {
      return Outcome(std::in_place_index<0>, work_(index));
    } catch (...) {
      return Outcome(std::in_place_index<1>, std::current_exception());
    }
  }

  static bool IsOutOfMemory(const Outcome& outcome) {
    const auto* error = std::get_if<std::exception_ptr>(&outcome);
    if (error == nullptr) return false;
    try {
      std::rethrow_exception(*error);
    } catch (const std::bad_alloc&) {
      return true;
    } catch (...) {
      return false;
    }
  }

  void Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
      claimable_.wait(lock, [&] { return stopping_ || next_ >= outcomes_.size() || MayClaim(); });
      if (stopping_ || next_ >= outcomes_.size()) return;
      ClaimAndRun(lock);
    }
  }

  // Whether the next item is released and within `ahead` of the last one taken.
  bool MayClaim() const { return next_ < taken_ + ahead_ && next_ < released_; }

  // Claims the next item, when one may be claimed, and works it out with `lock` let go; an
  // item of the caller's is only passed over. Returns whether it claimed one.
  bool ClaimAndRun(std::unique_lock<std::mutex>& lock) {
    if (stopping_ || next_ >= outcomes_.size() || !MayClaim()) return false;
    const std::size_t index = next_++;
    if (on_caller_(index)) return true;
    lock.unlock();
    Outcome outcome = Run(index);
    lock.lock();
    outcomes_[index] = std::move(outcome);
    done_.notify_all();
    return true;
  }

  void StopThreads() {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    claimable_.notify_all();
    for (std::thread& thread : threads_)
      thread.join();
    threads_.clear();
  }

  std::function<Result(std::size_t)> work_;
  std::function<bool(std::size_t)> on_caller_;
  std::mutex mutex_;
  std::condition_variable claimable_;  // an item may be claimed, or the work stops
  std::condition_variable done_;       // an item's outcome is in
  std::vector<std::optional<Outcome>> outcomes_;
  std::size_t ahead_;
  std::size_t released_;   // items below it may be claimed
  std::size_t next_ = 0;   // the next item a thread claims
  std::size_t taken_ = 0;  // items taken so far
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace tessaly::cli
