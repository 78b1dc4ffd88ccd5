#include "SampleObject.h"

#include "automation/Arguments.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <cstdlib>

namespace trellis::test {

const MemberTable<SampleObject>& SampleObject::Members() {
  static const MemberTable<SampleObject> table = [] {
    MemberTable<SampleObject> t;
    t.Property(
        QStringLiteral("Value"), [](SampleObject& o) { return o.value; },
        [](SampleObject& o, const QVariant& v) { o.value = v; });
    t.Property(QStringLiteral("Calls"), [](SampleObject& o) { return o.calls; });
    t.Property(QStringLiteral("Child"), [](SampleObject& o) {
      if (!o.child) o.child = std::make_shared<SampleObject>();
      return ObjectValue(o.child);
    });
    t.Property(
        QStringLiteral("StopEx"), [](SampleObject& o) { return QVariant(o.stopEx); },
        [](SampleObject& o, const QVariant& v) { o.stopEx = v.toBool(); });
    // A new object on every read, which the caller soon drops.
    t.Property(QStringLiteral("Fresh"),
               [](SampleObject&) { return ObjectValue(std::make_shared<SampleObject>()); });
    // A macro that works until it is asked to stop, looking at its messages meanwhile.
    t.Function(QStringLiteral("RunUntilStopped"), [](SampleObject& o, QVariantList&) {
      o.stopEx = false;
      while (!o.stopEx) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
      }
      return QVariant(true);
    });
    t.Function(QStringLiteral("Echo"), [](SampleObject& o, QVariantList& args) {
      ++o.calls;
      RequireArguments(args, 1, 1, QStringLiteral("Echo"));
      return args[0];
    });
    // Args(0) and Args(1) are by reference: they come back exchanged.
    t.Function(QStringLiteral("Swap"), [](SampleObject&, QVariantList& args) {
      RequireArguments(args, 2, 2, QStringLiteral("Swap"));
      args.swapItemsAt(0, 1);
      return QVariant(true);
    });
    t.Function(QStringLiteral("IsChild"), [](SampleObject& o, QVariantList& args) {
      RequireArguments(args, 1, 1, QStringLiteral("IsChild"));
      return QVariant(o.child && ObjectOf(args[0]) == o.child);
    });
    // Calls Args(1) on the object Args(0) with the remaining arguments and returns its result.
    t.Function(QStringLiteral("CallBack"), [](SampleObject&, QVariantList& args) {
      RequireArguments(args, 2, 8, QStringLiteral("CallBack"));
      const DispatchRef target = ToObject(args[0], QStringLiteral("CallBack"));
      QVariantList rest = args.mid(2);
      return target->Invoke(ToText(args[1], QStringLiteral("CallBack")), rest);
    });
    t.Function(QStringLiteral("Fail"), [](SampleObject&, QVariantList& args) -> QVariant {
      throw AutomationError(QStringLiteral("Fail"), ToText(args.value(0), QStringLiteral("Fail")));
    });
    // The server process ends without answering.
    t.Function(QStringLiteral("Vanish"),
               [](SampleObject&, QVariantList&) -> QVariant { std::_Exit(3); });
    t.Function(QStringLiteral("Quit"), [](SampleObject&, QVariantList&) {
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
      return QVariant();
    });
    return t;
  }();
  return table;
}

}  // namespace trellis::test
