#include "appframe/Container.h"

namespace PlugGui {

Container::Container(QWidget* parent)
    : QWidget(parent)
{
}

Container::~Container() = default;

} // namespace PlugGui
