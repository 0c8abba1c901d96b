#include "CounterRefresh.h"

CounterRefresh::CounterRefresh(Launcher &launcher) : m_launcher(launcher) {}
