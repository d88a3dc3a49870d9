// The "Weightage Repertorisation" dialog: the chart's symptoms seven rows at a time, each with an intensity list
// 0..9, and a paged scroll bar for more than seven symptoms. It shows and edits a CWeightageModel; the caller
// writes the model's intensities after OK.
#pragma once

#include "engine/RepMethods.h"
#include "engine/Weightage.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;

namespace quillon {

class CMyScroll;
class CPictureButton;

class CWeightageDlg final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CWeightageDlg)

public:
    explicit CWeightageDlg(CWeightageModel& model, QWidget* parent = nullptr);

    // Row place r's intensity list (control id 1044 + r).
    QComboBox* IntensityList(int r) const { return m_lists.at(static_cast<std::size_t>(r)); }
    // Row place r's rubric, the label of its intensity list.
    QLabel* RubricLabel(int r) const { return m_labels.at(static_cast<std::size_t>(r)); }
    CMyScroll* ScrollBar() const { return m_wndScroll; }
    CPictureButton* OkButton() const { return m_pOk; }
    CPictureButton* CancelButton() const { return m_pCancel; }
    // Band of row place r, where its symptom's text is shown.
    static QRect RowBand(int r);
    // Whether an intensity list has the focus and shows it; only then does the wheel over it change its value.
    static bool ShowsFocus(const QWidget* list);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void ShowRows();
    QString RowText(int s) const;
    void OnScrolled(int position);
    void OnThumbReleased();

    CWeightageModel& m_model;
    std::array<QComboBox*, kWeightageRows> m_lists{};
    std::array<QLabel*, kWeightageRows> m_labels{};
    CMyScroll* m_wndScroll = nullptr;
    CPictureButton* m_pOk = nullptr;
    CPictureButton* m_pCancel = nullptr;
};

// The chart's Weightage button runs the dialog through this.
class CWeightageDialogChooser final : public IWeightageChooser
{
public:
    explicit CWeightageDialogChooser(QWidget* parent) : m_pParent(parent) {}
    bool ChooseWeightage(CWeightageModel& model) override;

private:
    QWidget* m_pParent;
};

} // namespace quillon
