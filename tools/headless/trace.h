#pragma once
// The headless runner's JSON output: one line per frame tick, and the window's state at the end.
#include <cstdint>
#include <string>

#include "shooter/frontend/shooter.h"

namespace kv::headless {

std::string TraceLine(const shooter::Shooter& g, std::int64_t t);
std::string FinalObject(const shooter::Shooter& g, std::int64_t t);

}  // namespace kv::headless
