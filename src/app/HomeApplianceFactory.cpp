#include "app/HomeApplianceFactory.h"

#include "appliances/PlaceholderAppliance.h"

#include <QCoreApplication>

// Stands in until the home screen exists.
PlugGui::AbstractAppliance* makeHomeAppliance()
{
    return new PlaceholderAppliance(QCoreApplication::translate("MainWindow", "Home"), nullptr);
}
