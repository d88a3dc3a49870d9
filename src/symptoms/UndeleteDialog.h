// The Undelete Recorded Symptom dialog: the deleted symptoms, restored one at a time or all together.
#pragma once

#include "symptoms/Undelete.h"

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace quillon {

class CPictureButton;

class CUndeleteDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CUndeleteDialog)

public:
    CUndeleteDialog(CCaseStore& store, QWidget* parent = nullptr);

    const CUndelete& Model() const { return m_model; }
    QListWidget* List() const { return m_pList; }
    CPictureButton* UndeleteButton() const { return m_pUndelete; }
    CPictureButton* UndeleteAllButton() const { return m_pUndeleteAll; }
    CPictureButton* OkButton() const { return m_pOk; }

private:
    void OnUndelete();
    void OnUndeleteAll();
    void ShowModel();

    CUndelete m_model;
    QLineEdit* m_pCaption = nullptr;
    QListWidget* m_pList = nullptr;
    CPictureButton* m_pUndelete = nullptr;
    CPictureButton* m_pUndeleteAll = nullptr;
    CPictureButton* m_pOk = nullptr;
};

} // namespace quillon
