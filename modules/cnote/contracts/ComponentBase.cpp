#include "ComponentBase.h"

ComponentBase::ComponentBase(QWidget* parent)
    : QWidget(parent)
{
}
