#include "ui/qt/accessible_box.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QHash>

namespace glosandas {

namespace {

QHash<QObject*, std::function<void()>>& Presses() {
  static QHash<QObject*, std::function<void()>> presses;
  return presses;
}

// The toolkit's interface of the box with one action more. Every other question goes to it.
class PressableBox : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  explicit PressableBox(QAccessibleInterface* inner) : inner_(inner) {}

  bool isValid() const override { return inner_->isValid(); }
  QObject* object() const override { return inner_->object(); }
  QWindow* window() const override { return inner_->window(); }
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation match) const override {
    return inner_->relations(match);
  }
  QAccessibleInterface* focusChild() const override { return inner_->focusChild(); }
  QAccessibleInterface* childAt(int x, int y) const override { return inner_->childAt(x, y); }
  QAccessibleInterface* parent() const override { return inner_->parent(); }
  QAccessibleInterface* child(int index) const override { return inner_->child(index); }
  int childCount() const override { return inner_->childCount(); }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return inner_->indexOfChild(child);
  }
  QString text(QAccessible::Text t) const override { return inner_->text(t); }
  void setText(QAccessible::Text t, const QString& text) override { inner_->setText(t, text); }
  QRect rect() const override { return inner_->rect(); }
  QAccessible::Role role() const override { return inner_->role(); }
  QAccessible::State state() const override { return inner_->state(); }
  QColor foregroundColor() const override { return inner_->foregroundColor(); }
  QColor backgroundColor() const override { return inner_->backgroundColor(); }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return inner_->interface_cast(type);
  }

  QStringList actionNames() const override {
    QStringList names = {pressAction()};
    if (QAccessibleActionInterface* own = inner_->actionInterface()) names += own->actionNames();
    return names;
  }
  void doAction(const QString& name) override {
    if (name == pressAction()) {
      const auto press = Presses().constFind(object());
      if (press != Presses().constEnd()) (*press)();
    } else if (QAccessibleActionInterface* own = inner_->actionInterface()) {
      own->doAction(name);
    }
  }
  QStringList keyBindingsForAction(const QString& name) const override {
    if (name == pressAction()) return {QStringLiteral("Return")};
    QAccessibleActionInterface* own = inner_->actionInterface();
    return own ? own->keyBindingsForAction(name) : QStringList();
  }

 private:
  QAccessibleInterface* inner_;  // kept by the toolkit's cache
};

QAccessibleInterface* BoxFactory(const QString& class_name, QObject* object) {
  static bool asking_toolkit = false;
  if (asking_toolkit || !object || class_name != object->metaObject()->className() ||
      !Presses().contains(object)) {
    return nullptr;
  }
  // The toolkit's interface for the box, made by its own factory, then wrapped.
  asking_toolkit = true;
  QAccessibleInterface* inner = QAccessible::queryAccessibleInterface(object);
  asking_toolkit = false;
  return inner ? new PressableBox(inner) : nullptr;
}

}  // namespace

void MakePressable(QObject* box, std::function<void()> press) {
  static const bool installed = [] {
    QAccessible::installFactory(BoxFactory);
    return true;
  }();
  (void)installed;
  Presses().insert(box, std::move(press));
  QObject::connect(box, &QObject::destroyed, [box] { Presses().remove(box); });
}

}  // namespace glosandas
