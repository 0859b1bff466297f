// What a conversation works on, in one object for tests that look at both: the document a read
// fills and a write sends, and the session's port and buffers.
#pragma once

#include "core/state/document.h"
#include "core/state/link_session.h"

namespace orbisk::test {

struct ConversationState : Document, LinkSession {};

}  // namespace orbisk::test
