// The chart driven by commands.
#include "chart/ChartSession.h"

#include "casedata/TextCodec.h"
#include "filters/ClassFilter.h"
#include "filters/MineralFilter.h"
#include "state/QuillonState.h"
#include "symptoms/RecordedSymptoms.h"
#include "symptoms/Undelete.h"

#include <algorithm>
#include <optional>

namespace quillon {
namespace {

void MineralStep(CMineralFilterModel& model, const std::string& step)
{
    if (step == "vertical")
        return model.VerticalClicked(!model.IsVertical());
    if (step == "horizontal")
        return model.HorizontalClicked(!model.IsHorizontal());
    const auto eq = step.find('=');
    const std::string name = step.substr(0, eq);
    const std::string value = eq == std::string::npos ? std::string() : step.substr(eq + 1);
    if (name == "left" || name == "right") {
        // A click at the centre of the cell's square, through the dialog's hit test as a mouse click goes:
        // the gaps of the first row (cells 1 to 16) cannot be hit, so a click there meets no cell.
        const int cell = ParseWholeNumber(value, "cell");
        if (cell >= kCellCount)
            throw UsageError{"cells are 0 to " + std::to_string(kCellCount - 1) + ": " + EscapeTextField(value)};
        const CellRect square = CellRectOf(cell);
        const int x = (square.left + square.right) / 2;
        const int y = (square.top + square.bottom) / 2;
        return name == "left" ? model.LeftButton(x, y) : model.RightButton(x, y);
    }
    if (name == "group") {
        const int line = ParseWholeNumber(value, "group line");
        if (line < 1 || line > static_cast<int>(model.Groups().size()))
            throw UsageError{"no group line " + EscapeTextField(value)};
        return model.SelectGroup(line - 1);
    }
    throw UsageError{"unknown mineral step: " + EscapeTextField(step)};
}

SortMode LabelSort(ChartLabel label)
{
    switch (label) {
    case ChartLabel::Covered: return SortBySymptomsCovered;
    case ChartLabel::Name: return SortByName;
    case ChartLabel::Totality: break;
    }
    return SortByTotality;
}

ChartVerb KingdomVerb(int kind)
{
    return kind == kKingdomMineral ? ChartVerb::Mineral : kind == kKingdomPlant ? ChartVerb::Plant : ChartVerb::Animal;
}

} // namespace

bool CCommandChoosers::ChooseWeightage(CWeightageModel& model)
{
    if (m_pWeightage && !m_bOwnAnswers) {
        std::vector<int> before;
        for (int s = 0; s < model.SymptomCount(); ++s)
            before.push_back(model.Intensity(s));
        const bool ok = m_pWeightage->ChooseWeightage(model);
        if (m_pCommand) {
            m_pCommand->cancel = !ok;
            m_pCommand->intensities.clear();
            for (int s = 0; ok && s < model.SymptomCount(); ++s)
                if (model.Intensity(s) != before[static_cast<std::size_t>(s)])
                    m_pCommand->intensities.emplace_back(s, model.Intensity(s));
        }
        return ok;
    }
    if (!Answers(ChartVerb::Weightage))
        return false;
    for (const auto& [symptom, intensity] : m_pCommand->intensities) {
        if (symptom >= model.SymptomCount())
            throw UsageError{"weightage: no symptom " + std::to_string(symptom)};
        model.SetIntensity(symptom, intensity);
    }
    return true;
}

bool CCommandChoosers::ChooseDrugFilter(CDrugFilterModel& model)
{
    if (m_pDrugFilter && !m_bOwnAnswers) {
        const bool ok = m_pDrugFilter->ChooseDrugFilter(model);
        if (m_pCommand) {
            m_pCommand->cancel = !ok;
            m_pCommand->numbers.clear();
            for (int k = 1; ok && k <= kDrugPropertyCount; ++k)
                if (model.IsChecked(k))
                    m_pCommand->numbers.push_back(k);
        }
        return ok;
    }
    if (!Answers(ChartVerb::DrugFilter))
        return false;
    for (int k = 1; k <= kDrugPropertyCount; ++k)
        model.SetChecked(k, false);
    for (int k : m_pCommand->numbers)
        model.SetChecked(k, true);
    return true;
}

std::optional<KingdomDialogResult> CCommandChoosers::ChooseKingdom(
    int nKind, const std::vector<FilterRemedy>& remedies, KingdomFilterState& state)
{
    if (m_pKingdom && !m_bOwnAnswers) {
        std::optional<KingdomDialogResult> result = m_pKingdom->ChooseKingdom(nKind, remedies, state);
        if (m_pCommand) {
            m_pCommand->cancel = !result;
            if (result) {
                m_pCommand->classLine = result->m_nClassLine;
                m_pCommand->numbers = result->m_arrTypes;
                m_pCommand->mineralSteps = result->m_arrMineralSteps;
            }
        }
        return result;
    }
    const bool answered = Answers(KingdomVerb(nKind));
    if (nKind == kKingdomMineral) {
        CMineralFilterModel model(m_sink);
        model.Load(m_folder, remedies);
        if (!answered)
            return std::nullopt;
        for (const std::string& step : m_pCommand->mineralSteps)
            MineralStep(model, step);
        return KingdomDialogResult::FromMineral(model.Ok(state));
    }
    CClassFilterModel model(nKind == kKingdomPlant ? kPlantFilterKind : kAnimalFilterKind, m_sink);
    if (!model.Load(m_folder, remedies) || !answered)
        return std::nullopt;
    if (m_pCommand->classLine > static_cast<int>(model.Classes().size()))
        throw UsageError{"no class line " + std::to_string(m_pCommand->classLine)};
    if (m_pCommand->classLine > 0)
        model.SelectClass(m_pCommand->classLine - 1);
    for (int k : m_pCommand->numbers)
        model.SetTypeChecked(k, true);
    return KingdomDialogResult::FromClass(model.Ok());
}

CChartSession::CChartSession(CQuillonState& state, IMessageSink& sink)
    : m_state(state),
      m_engine(state, state.Catalogue(), sink),
      m_methods(state, m_engine, sink),
      m_choosers(state.Folder(), sink)
{
    m_methods.SetChoosers(&m_choosers, &m_choosers, &m_choosers);
}

bool CChartSession::Start()
{
    m_operations.clear();
    m_start = {};
    for (const auto& record : m_state.Symptoms())
        m_start.live.push_back(record.get());
    for (const auto& record : m_state.DeletedSymptoms())
        m_start.deleted.push_back(record.get());
    return m_methods.Start();
}

MethodOutcome CChartSession::LeftClick(const ChartCommand& command)
{
    std::optional<int> symptom = command.pick.symptom;
    if (command.verb == ChartVerb::Drop) {
        if (command.symptom >= m_engine.SymptomCount())
            throw UsageError{"no active symptom " + std::to_string(command.symptom)};
        symptom = command.symptom;
    }
    m_methods.ResetMethodFlagsForClick();
    const MethodOutcome outcome
        = command.verb == ChartVerb::Label ? m_methods.OnSortLabel(LabelSort(command.label)) : MethodOutcome::Unchanged;
    m_methods.Pick(command.pick.remedy.value_or(m_methods.PickedRemedy()), symptom.value_or(m_methods.PickedSymptom()));
    if (command.verb == ChartVerb::Drop)
        m_methods.DropOnClipboard(command.clipboard - 1);
    return outcome;
}

void CChartSession::EditSymptomList(const ChartCommand& command)
{
    CRecordedSymptoms list(m_state, 1);
    if (list.Open()) {
        if (command.verb == ChartVerb::Delete) {
            // Select line I, Delete, close with OK.
            if (command.symptom >= static_cast<int>(list.SymptomTexts().size()))
                throw UsageError{"delete: no symptom line " + std::to_string(command.symptom)};
            list.SelectSymptom(command.symptom);
            if (list.DeleteEnabled())
                list.Delete();
        } else {
            // UnDelete, select line J, Undelete, OK, then OK.
            CUndelete undelete(m_state);
            if (command.symptom >= static_cast<int>(undelete.Texts().size()))
                throw UsageError{"undelete: no deleted line " + std::to_string(command.symptom)};
            undelete.Select(command.symptom);
            undelete.Undelete();
            list.RefreshAfterUndelete();
        }
    }
    m_methods.OnSymptomListClosed();
}

MethodOutcome CChartSession::Execute(ChartCommand command, bool ownAnswers)
{
    struct Answering
    {
        CCommandChoosers& choosers;
        ~Answering()
        {
            choosers.SetCommand(nullptr);
            choosers.SetOwnAnswers(false);
        }
    } answering{m_choosers};
    m_choosers.SetCommand(&command);
    m_choosers.SetOwnAnswers(ownAnswers);
    CRepMethods& m = m_methods;
    MethodOutcome outcome = MethodOutcome::Refreshed;
    switch (command.verb) {
    case ChartVerb::Normal: outcome = m.OnNormal(); break;
    case ChartVerb::Mind: outcome = m.OnMind(); break;
    case ChartVerb::General: outcome = m.OnGeneral(); break;
    case ChartVerb::Rest: outcome = m.OnRest(); break;
    case ChartVerb::Sorted: outcome = m.OnSorted(); break;
    case ChartVerb::Click:
    case ChartVerb::Label:
    case ChartVerb::Drop: outcome = LeftClick(command); break;
    case ChartVerb::ResetClipboard: outcome = m.OnResetClipboard(); break;
    case ChartVerb::Weightage: outcome = m.OnWeightage(); break;
    case ChartVerb::DrugFilter: outcome = m.OnDrugFilter(); break;
    case ChartVerb::Clip:
        if (command.symptom >= m_engine.SymptomCount())
            throw UsageError{"no active symptom " + std::to_string(command.symptom)};
        // The popup of a right click on the symptom's line: it picks the symptom and remedy row 0.
        m.Pick(0, command.symptom);
        m.DropOnClipboard(command.clipboard - 1);
        outcome = MethodOutcome::Unchanged;
        break;
    case ChartVerb::Clipboard: outcome = m.OnClipboard(command.clipboard - 1); break;
    case ChartVerb::Delete:
    case ChartVerb::Undelete: EditSymptomList(command); break;
    case ChartVerb::Plant: outcome = m.OnPlantFilter(); break;
    case ChartVerb::Animal: outcome = m.OnAnimalFilter(); break;
    case ChartVerb::Mineral: outcome = m.OnMineralFilter(); break;
    case ChartVerb::Eliminate:
        if (command.symptom >= m_engine.SymptomCount())
            throw UsageError{"no active symptom " + std::to_string(command.symptom)};
        // The popup of a right click on the symptom's line: it picks the symptom and remedy row 0.
        m.Pick(0, command.symptom);
        outcome = m.OnEliminate(command.symptom);
        break;
    }
    command.pick = {};
    m_operations.push_back(std::move(command));
    return outcome;
}

MethodOutcome CChartSession::SymptomListClosed(const std::vector<ChartCommand>& edits)
{
    if (edits.empty())
        m_operations.push_back(ChartCommand{ChartVerb::Normal});
    m_operations.insert(m_operations.end(), edits.begin(), edits.end());
    return m_methods.OnSymptomListClosed();
}

} // namespace quillon
