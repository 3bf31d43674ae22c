// The editor's sources land here.
