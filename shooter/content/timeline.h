#pragma once
namespace kv::shooter {
class Shooter;
// The stage script: runs the events whose key the clock has reached.
void RunTimeline(Shooter& g);
}  // namespace kv::shooter
