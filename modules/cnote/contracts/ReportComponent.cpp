#include "ReportComponent.h"

ReportComponent::ReportComponent(QWidget* parent)
    : ComponentBase(parent)
{
}
