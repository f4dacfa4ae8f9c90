#pragma once
// The sections of a stage script. Act I runs on the mission clock; each later section counts
// from the kill of the previous act's boss.
namespace kv::shooter {

enum Section : int { kActI, kActII, kActIII, kActIV, kFinalAct, kEnd };

}  // namespace kv::shooter
