// The message sink of the running program: a modal message box over the active window.
#pragma once

#include "casedata/MessageSink.h"

namespace quillon {

class CBoxMessageSink final : public IMessageSink
{
public:
    using IMessageSink::Show;
    void Show(const Message& message) override;
};

} // namespace quillon
