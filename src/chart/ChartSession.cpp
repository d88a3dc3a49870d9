// The chart driven by commands.
#include "chart/ChartSession.h"

#include "casedata/TextCodec.h"
#include "filters/ClassFilter.h"
#include "filters/MineralFilter.h"
#include "state/QuillonState.h"
#include "symptoms/RecordedSymptoms.h"
#include "symptoms/Undelete.h"

#include <algorithm>

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

void CChartSession::Click(
    const ChartGeometry& geometry, int pressX, int pressY, int releaseX, int releaseY, int symptomPosition)
{
    ChartLeftButtonDown(m_methods, m_engine, geometry, true, pressX, pressY, {symptomPosition, 0});
    ChartLeftButtonUp(m_methods, geometry, releaseX, releaseY);
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

MethodOutcome CChartSession::Execute(ChartCommand command, const ChartGeometry& geometry, bool ownAnswers)
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
    case ChartVerb::Click: Click(geometry, 0, 0, 0, 0, 0); break; // empty space
    case ChartVerb::ResetClipboard: outcome = m.OnResetClipboard(); break;
    case ChartVerb::Label: {
        const ChartRect spot = command.label == ChartLabel::Totality ? geometry.TotalityHotSpot()
            : command.label == ChartLabel::Covered                   ? geometry.CoveredHotSpot()
                                                                     : geometry.NameHotSpot();
        const int x = (spot.left + spot.right) / 2;
        const int y = (spot.top + spot.bottom) / 2;
        Click(geometry, x, y, x, y, 0);
        break;
    }
    case ChartVerb::Weightage: outcome = m.OnWeightage(); break;
    case ChartVerb::DrugFilter: outcome = m.OnDrugFilter(); break;
    case ChartVerb::Drop:
    case ChartVerb::Clip: {
        if (command.symptom >= m_engine.SymptomCount())
            throw UsageError{"no active symptom " + std::to_string(command.symptom)};
        if (command.verb == ChartVerb::Clip) {
            // The popup of a right click on the symptom's line: it picks the symptom and remedy row 0.
            m.Pick(0, command.symptom);
            m.DropOnClipboard(command.clipboard - 1);
            outcome = MethodOutcome::Unchanged;
            break;
        }
        // A drag: the press on the symptom's line (scrolled into view), the release over the clipboard's button.
        const int position = std::min(command.symptom, geometry.SymptomRange(m_engine.SymptomCount()).maximum);
        const auto zone = static_cast<DropZone>(static_cast<int>(DropZone::Clipboard1) + command.clipboard - 1);
        const ChartDragPoints at = SymptomDragPoints(geometry, command.symptom, position, zone);
        Click(geometry, at.pressX, at.pressY, at.releaseX, at.releaseY, position);
        break;
    }
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
    m_operations.push_back(std::move(command));
    return outcome;
}

MethodOutcome CChartSession::Press(const ChartGeometry& geometry, bool hasChart, int x, int y, ChartBarPositions bars)
{
    ChartCommand command{ChartVerb::Click};
    if (hasChart) {
        const std::pair<ChartRect, ChartLabel> labels[] = {{geometry.TotalityHotSpot(), ChartLabel::Totality},
            {geometry.CoveredHotSpot(), ChartLabel::Covered}, {geometry.NameHotSpot(), ChartLabel::Name}};
        for (const auto& [spot, label] : labels) {
            if (spot.Contains(x, y)) {
                command.verb = ChartVerb::Label;
                command.label = label;
            }
        }
    }
    m_operations.push_back(command);
    return ChartLeftButtonDown(m_methods, m_engine, geometry, hasChart, x, y, bars);
}

ChartRelease CChartSession::Release(const ChartGeometry& geometry, int x, int y)
{
    const int symptom = m_methods.PickedSymptom();
    const ChartRelease release = ChartLeftButtonUp(m_methods, geometry, x, y);
    if (release.drop != DropOutcome::NoSymptom && !m_operations.empty()
        && m_operations.back().verb == ChartVerb::Click) {
        ChartCommand& drop = m_operations.back();
        drop.verb = ChartVerb::Drop;
        drop.symptom = symptom;
        drop.clipboard = static_cast<int>(release.zone) - static_cast<int>(DropZone::Clipboard1) + 1;
    }
    return release;
}

MethodOutcome CChartSession::SymptomListClosed(const std::vector<ChartCommand>& edits)
{
    if (edits.empty())
        m_operations.push_back(ChartCommand{ChartVerb::Normal});
    m_operations.insert(m_operations.end(), edits.begin(), edits.end());
    return m_methods.OnSymptomListClosed();
}

} // namespace quillon
