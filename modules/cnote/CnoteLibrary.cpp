// The component library CNOTE. It exports no component yet.
