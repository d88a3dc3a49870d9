// The drop of a symptom on one of the chart's three clipboards.
#pragma once

#include "casedata/CaseStore.h"
#include "casedata/MessageSink.h"
#include "casedata/Translatable.h"

namespace quillon {

// The messages of a drop: the symptom's text followed by one of these, in the user's language, and the clipboard
// number (1..3).
inline constexpr const char* kMsgAlreadyOnClipboard
    = QT_TRANSLATE_NOOP("Message", " this Symptom is already on this clipboard  ");
inline constexpr const char* kMsgDroppedOnClipboard = QT_TRANSLATE_NOOP("Message", " Symptom Dropped on Clipboard ");

enum class DropOutcome {
    NoSymptom, // the index names no active symptom (or k is not a clipboard): nothing happens
    AlreadyThere, // a symptom with the same text is on the clipboard: told, nothing added
    Dropped, // told and added
};

// Drops active symptom nSymptom (an index into the store's active symptoms) on clipboard k (0..2): tells the
// user either way and appends it to the store's clipboard when no symptom of the same text is there yet.
DropOutcome DropSymptomOnClipboard(CCaseStore& store, int nSymptom, int k, IMessageSink& sink);

} // namespace quillon
