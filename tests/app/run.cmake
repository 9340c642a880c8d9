# Flight run, map handlers and pointer readout tests.
