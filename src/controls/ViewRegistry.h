// The record of the program's open views, one per kind: each view enters itself when it is built and leaves when
// it goes, so that the commands that act on an open view find it.
#pragma once

class QWidget;

namespace quillon {

// Keys of the record, one per kind of view.
enum ViewKey : int { kViewChart = 2, kViewMateriaMedica = 3, kViewCaseRecord = 4 };

class IViewRegistry
{
public:
    virtual ~IViewRegistry() = default;
    virtual void RegisterView(int key, QWidget* view) = 0;
    virtual void UnregisterView(int key, QWidget* view) = 0;
};

} // namespace quillon
