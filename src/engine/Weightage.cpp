// The Weightage Repertorisation dialog's model.
#include "engine/Weightage.h"

#include <algorithm>

namespace quillon {

CWeightageModel::CWeightageModel(
    const std::vector<CSymptomRecord*>& symptoms, const std::vector<IntensityEntry>& intensities)
    : m_pSymptoms(&symptoms)
{
    const int n = SymptomCount();
    m_pnIntensity.assign(static_cast<std::size_t>(n) + 1, 1);
    // The list may be longer than the set (a subset method shrank it since): keys from n on have no symptom.
    const std::size_t used = std::min(intensities.size(), static_cast<std::size_t>(n));
    for (std::size_t k = 0; k < used; ++k)
        m_pnIntensity[k] = intensities[k].intensity;
    m_steps.page = kWeightagePage;
    m_steps.maximum = n > kWeightageRows ? n - kWeightageRows : n;
}

std::string_view CWeightageModel::SymptomText(int i) const
{
    if (i < 0 || i >= SymptomCount())
        return {};
    const CSymptomRecord* record = (*m_pSymptoms)[static_cast<std::size_t>(i)];
    return record ? std::string_view(record->m_pszText) : std::string_view();
}

int CWeightageModel::Intensity(int i) const
{
    if (i < 0 || i >= SymptomCount())
        return 1;
    return m_pnIntensity[static_cast<std::size_t>(i)];
}

void CWeightageModel::SetIntensity(int i, int intensity)
{
    if (i < 0 || i >= SymptomCount() || intensity < 0 || intensity > kMaxIntensity)
        return;
    m_pnIntensity[static_cast<std::size_t>(i)] = intensity;
}

int CWeightageModel::SymptomOfRow(int r) const
{
    if (r < 0 || r >= kWeightageRows)
        return -1;
    const int s = m_nShownPosition + r;
    return s < SymptomCount() ? s : -1;
}

bool CWeightageModel::Show()
{
    m_nShownPosition = m_steps.position;
    return true;
}

bool CWeightageModel::LineUp()
{
    m_steps.LineBack();
    return Show();
}

bool CWeightageModel::LineDown()
{
    m_steps.LineForward();
    return Show();
}

bool CWeightageModel::PageUp()
{
    m_steps.PageBack();
    return Show();
}

bool CWeightageModel::PageDown()
{
    m_steps.PageForward();
    return Show();
}

bool CWeightageModel::ScrollTo(int position)
{
    m_steps.position = std::clamp(position, 0, std::max(0, m_steps.maximum));
    m_bTracking = false;
    return Show();
}

void CWeightageModel::ThumbTrack(int position)
{
    m_steps.position = std::clamp(position, 0, std::max(0, m_steps.maximum));
    m_bTracking = true;
}

bool CWeightageModel::ThumbReleased()
{
    if (!m_bTracking)
        return false;
    m_bTracking = false;
    return Show();
}

void CWeightageModel::RowSelectionChanged(int r, int intensity)
{
    if (r < 0 || r >= kWeightageRows)
        return;
    const int p = SymptomCount() < kWeightageRows ? 0 : m_steps.position;
    SetIntensity(p + r, intensity);
}

std::vector<IntensityEntry> CWeightageModel::Ok() const
{
    std::vector<IntensityEntry> entries;
    const int n = SymptomCount();
    entries.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        entries.push_back(IntensityEntry{i, m_pnIntensity[static_cast<std::size_t>(i)]});
    return entries;
}

} // namespace quillon
