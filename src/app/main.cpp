#include "ErrorDisplay.h"
#include "TfrmMain.h"

int main(int argc, char **argv)
{
    Zentrix::TApplication app(argc, argv);
    auto *frame = new Zentrix::TfrmMain;
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->CreateChildWindows();
    frame->show();
    return app.exec();
}
