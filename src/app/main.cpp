// Quillon: opens the practice folder that is the working directory.
#include "app/QuillonApp.h"

int main(int argc, char** argv)
{
    quillon::CQuillonApp app(argc, argv, quillon::CPracticeFolder("."));
    if (!app.InitInstance())
        return 1;
    app.RunStartDialog();
    return quillon::CQuillonApp::exec();
}
