// A module that loads but lacks the skin engine's entry points.
extern "C" __declspec(dllexport) int notASkinEngine() { return 0; }
