// A library with no component entry point.
int testComponentsNothing()
{
    return 0;
}
