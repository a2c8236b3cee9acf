#pragma once

namespace slotmate {

// Runs one step of a procedure that carries on past failures: whatever the
// step throws is dropped, and the caller goes on with its next step.
template <class Step>
void SkipOnFailure(Step&& step) noexcept {
  try {
    step();
  } catch (...) {
  }
}

}  // namespace slotmate
