// The drop of a symptom on a clipboard.
#include "engine/ClipboardDrop.h"

#include <string>

namespace quillon {

DropOutcome DropSymptomOnClipboard(CCaseStore& store, int nSymptom, int k, IMessageSink& sink)
{
    if (k < 0 || k >= kClipboardCount || nSymptom < 0
        || static_cast<std::size_t>(nSymptom) >= store.RepSymptoms().size())
        return DropOutcome::NoSymptom;
    CSymptomRecord* record = store.RepSymptoms()[static_cast<std::size_t>(nSymptom)];
    if (!record)
        return DropOutcome::NoSymptom;

    auto& clip = store.Clipboard(k);
    const std::string number = std::to_string(k + 1);
    for (const CSymptomRecord* onClipboard : clip) {
        if (onClipboard && onClipboard->m_pszText == record->m_pszText) {
            sink.Show(record->m_pszText + translate(kMessageContext, kMsgAlreadyOnClipboard) + number);
            return DropOutcome::AlreadyThere;
        }
    }
    sink.Show(record->m_pszText + translate(kMessageContext, kMsgDroppedOnClipboard) + number);
    clip.push_back(record);
    return DropOutcome::Dropped;
}

} // namespace quillon
