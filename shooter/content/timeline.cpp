#include "shooter/content/timeline.h"

namespace kv::shooter {

// The acts' script comes with the stage work.
void RunTimeline(Shooter&) {}

}  // namespace kv::shooter
