// Undoing on scope exit, however the scope is left: the finally C++ lacks.
#pragma once

#include <utility>

// Runs an action when the scope ends. An action that throws on a normal exit
// reports its failure, as the same call at the end of the scope would.
template <typename F>
class TScopeExit {
 public:
  explicit TScopeExit(F action) : action_(std::move(action)) {}
  ~TScopeExit() noexcept(false) { action_(); }
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;

 private:
  F action_;
};

// Gives a variable a value for the scope and puts the old one back after.
template <typename T>
class TRestoreOnExit {
 public:
  TRestoreOnExit(T& variable, T value)
      : variable_(variable), saved_(std::exchange(variable, std::move(value))) {}
  ~TRestoreOnExit() { variable_ = std::move(saved_); }
  TRestoreOnExit(const TRestoreOnExit&) = delete;
  TRestoreOnExit& operator=(const TRestoreOnExit&) = delete;

 private:
  T& variable_;
  T saved_;
};
