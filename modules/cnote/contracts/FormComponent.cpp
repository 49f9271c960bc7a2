#include "FormComponent.h"

FormComponent::FormComponent(QWidget* parent)
    : ComponentBase(parent)
{
}
