// Message sinks that do not need a window.
#include "casedata/MessageSink.h"

namespace quillon {

std::vector<std::string> RecordingMessageSink::Texts() const
{
    std::vector<std::string> texts;
    texts.reserve(m_messages.size());
    for (const Message& message : m_messages)
        texts.push_back(message.text);
    return texts;
}

} // namespace quillon
