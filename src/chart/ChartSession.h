// The chart without its window: the engine, the methods and the dialogs' answers, driven by ChartCommands. The
// chart window and quillon-report run every user operation through Execute (the window's mouse as the label,
// drop or click it made), and the session logs each one, so that its log replays the chart.
#pragma once

#include "chart/ChartCommand.h"
#include "engine/RepEngine.h"
#include "engine/RepMethods.h"

#include <memory>
#include <vector>

namespace quillon {

class CQuillonState;

// The dialogs of the chart's methods. Without the window's dialogs the answers come from the command; with
// them, the dialogs answer and their answers are written into the command that is logged.
class CCommandChoosers final : public IWeightageChooser, public IDrugFilterChooser, public IKingdomChooser
{
public:
    CCommandChoosers(const CPracticeFolder& folder, IMessageSink& sink) : m_folder(folder), m_sink(sink) {}

    void SetDialogs(IWeightageChooser* weightage, IDrugFilterChooser* drugFilter, IKingdomChooser* kingdom)
    {
        m_pWeightage = weightage;
        m_pDrugFilter = drugFilter;
        m_pKingdom = kingdom;
    }
    // The command whose answers are used or recorded (none: every dialog is cancelled).
    void SetCommand(ChartCommand* command) { m_pCommand = command; }
    // The command answers for the window's dialogs too, which then stay closed.
    void SetOwnAnswers(bool own) { m_bOwnAnswers = own; }

    bool ChooseWeightage(CWeightageModel& model) override;
    bool ChooseDrugFilter(CDrugFilterModel& model) override;
    std::optional<KingdomDialogResult> ChooseKingdom(
        int nKind, const std::vector<FilterRemedy>& remedies, KingdomFilterState& state) override;

private:
    // A dialog of the command's verb, not cancelled.
    bool Answers(ChartVerb verb) const { return m_pCommand && m_pCommand->verb == verb && !m_pCommand->cancel; }

    const CPracticeFolder& m_folder;
    IMessageSink& m_sink;
    ChartCommand* m_pCommand = nullptr;
    IWeightageChooser* m_pWeightage = nullptr;
    IDrugFilterChooser* m_pDrugFilter = nullptr;
    IKingdomChooser* m_pKingdom = nullptr;
    bool m_bOwnAnswers = false;
};

class CChartSession final
{
public:
    CChartSession(CQuillonState& state, IMessageSink& sink);
    CChartSession(const CChartSession&) = delete;
    CChartSession& operator=(const CChartSession&) = delete;

    const CRepEngine& Engine() const { return m_engine; }
    const CRepMethods& Methods() const { return m_methods; }

    // The window's dialogs (see CCommandChoosers).
    void SetDialogs(IWeightageChooser* weightage, IDrugFilterChooser* drugFilter, IKingdomChooser* kingdom)
    {
        m_choosers.SetDialogs(weightage, drugFilter, kingdom);
    }

    // The chart's first build; the log starts empty.
    bool Start();

    // Runs one operation and logs it (with the dialogs' answers when the window's dialogs answered; a click,
    // label or drop without what its press picked). A command whose argument does not fit the chart (a symptom,
    // a line, a step) throws its UsageError. With `ownAnswers` the command's answers stand for the window's
    // dialogs, which stay closed (a family applied from a list).
    MethodOutcome Execute(ChartCommand command, bool ownAnswers = false);
    // What the right button or the keyboard's cell cursor picks for the popups' commands: not logged, and the
    // chart stays as it is.
    void Pick(int remedyRow, int symptom) { m_methods.Pick(remedyRow, symptom); }
    // The Symptom List closed after the window's dialog deleted and restored symptoms (as commands, in order).
    MethodOutcome SymptomListClosed(const std::vector<ChartCommand>& edits);

    // Every operation since the chart was opened, in order.
    const std::vector<ChartCommand>& Operations() const { return m_operations; }

    // The visit as the chart found it when it opened: the symptoms still recorded and those deleted before (in the
    // Recorded Symptoms dialog), in the store's order. (A chart opens with empty clipboards.)
    struct StartState
    {
        std::vector<const CSymptomRecord*> live, deleted;
    };
    const StartState& AtStart() const { return m_start; }

private:
    // A left click: the method flags reset, a label's sort, the pick, a drop's symptom onto its clipboard.
    MethodOutcome LeftClick(const ChartCommand& command);
    void EditSymptomList(const ChartCommand& command);

    CQuillonState& m_state;
    CRepEngine m_engine;
    CRepMethods m_methods;
    CCommandChoosers m_choosers;
    std::vector<ChartCommand> m_operations;
    StartState m_start;
};

} // namespace quillon
