#pragma once

#include <QObject>

#include <functional>

namespace vcl {

// An event handler: the object that raised the event, nothing returned.
using TNotifyEvent = std::function<void(QObject *Sender)>;

// Runs a handler as the message loop runs one message: an error that escapes
// it is reported by the application, and the program goes on.
void RaiseEvent(const TNotifyEvent &handler, QObject *sender);

// Runs any piece of event handling under the same rule.
void RunGuarded(const std::function<void()> &work);

} // namespace vcl
