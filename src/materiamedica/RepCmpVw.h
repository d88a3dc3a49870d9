// The materia medica view: the active symptoms the requested remedies cover, a column per remedy with its grade,
// and the summary of counts and total weightage, in a page of 15 lines and 3 columns.
#pragma once

#include "controls/GridAccessible.h"
#include "materiamedica/MateriaMedicaListing.h"
#include "materiamedica/RowLayout.h"

#include <QSize>
#include <QWidget>

#include <memory>

namespace quillon {

class CMagnifier;
class CMateriaMedicaGrid;
class CMyScroll;
class CQuillonState;
class IViewRegistry;

class CRepCmpVw final : public QWidget, public IAccessibleGridOwner
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CRepCmpVw)

public:
    // The view enters itself in `views` while it lives.
    CRepCmpVw(
        CQuillonState& state, const CMateriaMedicaRequest& request, IViewRegistry& views, QWidget* parent = nullptr);
    ~CRepCmpVw() override;

    const MateriaMedicaListing& Listing() const { return m_listing; }
    const CMateriaMedicaCursor& Cursor() const { return m_cursor; }
    CMyScroll* HorizontalBar() const { return m_pHScroll; }
    CMyScroll* VerticalBar() const { return m_pVScroll; }
    CMagnifier* Magnifier() const { return m_pMagnifier; }
    QSize ScreenSize() const { return m_screen; }
    // The page's rows and cells in the 640 x 400 design space, with the row the cursor highlights.
    const RowLayout& Layout() const { return m_layout; }
    // Lays the page out for another screen size (the screen the view is on is the default).
    void SetScreenSize(QSize screen);
    // The page drawn at the view's size, as the screen shows it.

    // The listing as a table for assistive technology (MateriaMedicaAccessible.h).
    const IAccessibleGrid& AccessibleGrid() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void LayOutBars();
    void SyncBars();
    void OnBarAction(bool vertical, int action);
    void CloseFrame();

    CQuillonState& m_state;
    IViewRegistry& m_views;
    MateriaMedicaListing m_listing;
    CMateriaMedicaCursor m_cursor;
    RowLayout m_layout = RowLayout::Build();
    QSize m_screen;
    CMyScroll* m_pHScroll = nullptr;
    CMyScroll* m_pVScroll = nullptr;
    CMagnifier* m_pMagnifier = nullptr;
    bool m_bThumbPending = false;
    std::unique_ptr<CMateriaMedicaGrid> m_pGrid;
};

} // namespace quillon
