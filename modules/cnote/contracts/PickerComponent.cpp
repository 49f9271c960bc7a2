#include "PickerComponent.h"

PickerComponent::PickerComponent(QWidget* parent)
    : QWidget(parent)
{
}
