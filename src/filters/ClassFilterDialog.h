// The "Plant Filters" and "Animal Drug Filter" dialogs: a class list with a search edit and twelve type boxes.
// They draw and forward to CClassFilterModel; the chart reads Result() after OK.
#pragma once

#include "filters/ClassFilter.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace quillon {

class CPictureButton;

class CClassFilterDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CClassFilterDialog)

public:
    // Runs the dialog: kFilterOk after OK, kFilterCancel after Cancel, or at once when it could not open.
    int exec() override;
    void accept() override;
    void reject() override;

    bool IsLoaded() const { return m_bLoaded; }
    const ClassFilterResult& Result() const { return m_result; }
    const CClassFilterModel& Model() const { return m_model; }

    QListWidget* ClassList() const { return m_lstClasses; }
    QLineEdit* SearchEdit() const { return m_edtSearch; }
    QCheckBox* TypeBox(int k) const { return m_typeBoxes.at(static_cast<std::size_t>(k - 1)); }
    CPictureButton* OkButton() const { return m_pOk; }
    CPictureButton* CancelButton() const { return m_pCancel; }

    // Help context of the plant filter's topic.
    static constexpr int kPlantHelpContext = 0x200F8;

Q_SIGNALS:
    // The Help button: the application shows the topic of that context.
    void HelpRequested(int context);

protected:
    CClassFilterDialog(const ClassFilterKind& kind, const CPracticeFolder& folder,
        const std::vector<FilterRemedy>& remedies, IMessageSink& sink, QWidget* parent, bool withHelp);

private:
    void OnSearchChanged(const QString& text);
    void OnClassChosen(int row);
    void SelectRowQuietly(int row);

    CClassFilterModel m_model;
    ClassFilterResult m_result;
    bool m_bLoaded = false;
    QListWidget* m_lstClasses = nullptr;
    QLineEdit* m_edtSearch = nullptr;
    std::array<QCheckBox*, kClassTypeCount> m_typeBoxes{};
    CPictureButton* m_pOk = nullptr;
    CPictureButton* m_pCancel = nullptr;
    CPictureButton* m_pHelp = nullptr;
};

class CPlantFilterDlg final : public CClassFilterDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CPlantFilterDlg)

public:
    CPlantFilterDlg(const CPracticeFolder& folder, const std::vector<FilterRemedy>& remedies, IMessageSink& sink,
        QWidget* parent = nullptr);
};

class CAnimalFilterDlg final : public CClassFilterDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CAnimalFilterDlg)

public:
    CAnimalFilterDlg(const CPracticeFolder& folder, const std::vector<FilterRemedy>& remedies, IMessageSink& sink,
        QWidget* parent = nullptr);
};

} // namespace quillon
