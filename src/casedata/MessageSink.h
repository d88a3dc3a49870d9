// How the core tells the user something: an injected sink instead of message boxes.
#pragma once

#include "casedata/Translatable.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// A file chosen to save to could not be written (every save and export of the program says so).
inline constexpr const char* kMsgErrorCreatingFile
    = QT_TRANSLATE_NOOP("Message", "Error creating file, aborting saving");

enum class MessageIcon { None, Information, Warning, Error };

// One message box: its text, its caption (empty: the program's title) and its icon.
// Texts are in the data's single-byte code page, like every text of the core.
struct Message
{
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;

    bool operator==(const Message&) const = default;
};

class IMessageSink
{
public:
    virtual ~IMessageSink() = default;
    // Shows the message and returns once the user has dismissed it.
    virtual void Show(const Message& message) = 0;

    void Show(std::string_view text, std::string_view caption = {}, MessageIcon icon = MessageIcon::None)
    {
        Show(Message{std::string(text), std::string(caption), icon});
    }
};

// Keeps every message; used by tests and by the command-line report, which prints them.
class RecordingMessageSink final : public IMessageSink
{
public:
    using IMessageSink::Show;
    void Show(const Message& message) override { m_messages.push_back(message); }

    const std::vector<Message>& Messages() const { return m_messages; }
    std::vector<std::string> Texts() const;
    void Clear() { m_messages.clear(); }

private:
    std::vector<Message> m_messages;
};

// Passes every message on and counts them, for callers that must tell a silent failure from a reported one.
class CountingMessageSink final : public IMessageSink
{
public:
    explicit CountingMessageSink(IMessageSink& inner) : m_inner(&inner) {}
    using IMessageSink::Show;
    void Show(const Message& message) override
    {
        ++m_count;
        m_inner->Show(message);
    }
    int Count() const { return m_count; }

private:
    IMessageSink* m_inner;
    int m_count = 0;
};

// Swallows every message (for benchmarks and other callers that only want results).
class NullMessageSink final : public IMessageSink
{
public:
    using IMessageSink::Show;
    void Show(const Message&) override {}
};

} // namespace quillon
