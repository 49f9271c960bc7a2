// The add-in library SyncPlugin. It exports no add-in yet.
