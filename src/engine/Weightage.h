// The Weightage Repertorisation dialog without its widgets: the symptoms of the chart seven rows at a time, an
// intensity 0..9 for each, the scroll rules, and what OK writes into the intensity list.
#pragma once

#include "casedata/SymptomRecord.h"
#include "casedata/Translatable.h"
#include "controls/ScrollSteps.h"
#include "engine/RemedyResult.h"

#include <string_view>
#include <vector>

namespace quillon {

// The dialog's title and heading, translated where the dialog shows them.
inline constexpr const char* kWeightageTitle = QT_TRANSLATE_NOOP("quillon::CWeightageDlg", "Weightage Repertorisation");
inline constexpr const char* kWeightageHeading = QT_TRANSLATE_NOOP("quillon::CWeightageDlg", "Select Weightage For");
inline constexpr int kWeightageRows = 7;
inline constexpr int kWeightagePage = 5;
inline constexpr int kMaxIntensity = 9;

class CWeightageModel final
{
public:
    // `symptoms` is the chart's active set (borrowed while the dialog runs); every symptom starts with intensity 1,
    // then each stored entry whose key lies below the symptom count gives its key's symptom its intensity.
    CWeightageModel(const std::vector<CSymptomRecord*>& symptoms, const std::vector<IntensityEntry>& intensities);

    int SymptomCount() const { return static_cast<int>(m_pSymptoms->size()); }
    std::string_view SymptomText(int i) const;
    int Intensity(int i) const;
    // Values outside 0..9 are ignored, as are symptoms out of range.
    void SetIntensity(int i, int intensity);

    // The scroll bar shows only for more than seven symptoms; its range is 0..n - 7 then, else 0..n.
    bool ScrollBarVisible() const { return SymptomCount() > kWeightageRows; }
    int ScrollMaximum() const { return m_steps.maximum; }
    int Position() const { return m_steps.position; }
    // The position the rows were last drawn at; a thumb drag moves Position() only.
    int ShownPosition() const { return m_nShownPosition; }
    // Row place r's list shows when a symptom can stand in it; the first list always shows.
    bool RowListVisible(int r) const { return r == 0 || (r > 0 && r < kWeightageRows && r < SymptomCount()); }
    // The symptom drawn in row place r at the shown position, -1 when none.
    int SymptomOfRow(int r) const;

    // Scrolling; each returns true when the rows must be drawn anew.
    bool LineUp();
    bool LineDown();
    bool PageUp();
    bool PageDown();
    // The bar was stepped to `position` by the same rules (the widget's own stepping): the rows follow.
    bool ScrollTo(int position);
    // The thumb is dragged to `position`: nothing is drawn until it is released.
    void ThumbTrack(int position);
    bool ThumbReleased();

    // The list of row place r now selects `intensity`: it belongs to the symptom at the scroll position + r.
    void RowSelectionChanged(int r, int intensity);

    // OK: one entry (symptom index i, its intensity) under key i for every symptom of the set.
    std::vector<IntensityEntry> Ok() const;

private:
    bool Show();

    const std::vector<CSymptomRecord*>* m_pSymptoms;
    std::vector<int> m_pnIntensity;
    ScrollSteps m_steps;
    int m_nShownPosition = 0;
    bool m_bTracking = false;
};

} // namespace quillon
