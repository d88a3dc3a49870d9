// The chart's plant, animal and mineral buttons reach their dialogs through this.
#pragma once

#include "casedata/MessageSink.h"
#include "casedata/PracticeFolder.h"
#include "filters/FilterTypes.h"

#include <functional>

class QWidget;

namespace quillon {

class CKingdomDialogChooser final : public IKingdomChooser
{
public:
    CKingdomDialogChooser(const CPracticeFolder& folder, IMessageSink& sink, QWidget* parent)
        : m_pFolder(&folder), m_pSink(&sink), m_pParent(parent)
    {
    }

    // Runs the Plant Filters (1), Mineral Filter (2) or Animal Drug Filter (3) dialog modally.
    std::optional<KingdomDialogResult> ChooseKingdom(
        int nKind, const std::vector<FilterRemedy>& remedies, KingdomFilterState& state) override;
    // Runs before each dialog opens, so that the window behind it can show the remedies it was handed.
    void SetBeforeOpen(std::function<void()> beforeOpen) { m_beforeOpen = std::move(beforeOpen); }

private:
    std::function<void()> m_beforeOpen;
    const CPracticeFolder* m_pFolder;
    IMessageSink* m_pSink;
    QWidget* m_pParent;
};

} // namespace quillon
