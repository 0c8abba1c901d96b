#pragma once

#include <QString>
#include <functional>

class ControlHost;
class ErrorReporter;

// Runs 'handler' on every click of the named control of a window. Push
// buttons answer through their own click signal, so the keyboard and the
// pointer both press them; every other control through the window's event
// routing. The handler runs guarded: an escaping error goes to 'errors'.
void bindClick(ControlHost &host, ErrorReporter *errors, const QString &name, std::function<void()> handler);
