#pragma once

#include <memory>

// Objects the contracts pass but do not define. AppSystem and clsConfig are owned by the program
// and handed to components as pointers they never delete.
class AppSystem;
class clsConfig;
class ParameterList;

// A parameter list is shared: a host window, its embedded host and a report may all hold the
// same list, and the last holder releases it.
using ParameterListPtr = std::shared_ptr<ParameterList>;
