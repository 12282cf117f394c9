#include "signalling/SignallingWindows.h"

#include "ui/TForm1.h"

namespace lumora {

SignallingWindows::SignallingWindows(TForm1 &form1) : form1_(form1)
{
    Form2 = std::make_unique<TForm2>(form1);
    Form4 = std::make_unique<TForm4>(form1);
    Form5 = std::make_unique<TForm5>(form1);
    Form6 = std::make_unique<TForm6>(form1);
    SignallingRoutes routes;
    routes.Dtmf = Form2.get();
    routes.TwoTone = Form4.get();
    routes.FiveTone = Form5.get();
    routes.FleetSync = Form6.get();
    form1.setSignallingWindows({Form2.get(), Form4.get(), Form5.get(), Form6.get()}, routes);
}

SignallingWindows::~SignallingWindows()
{
    form1_.setSignallingWindows({}, SignallingRoutes{}); // nothing routes to them any more
}

} // namespace lumora
