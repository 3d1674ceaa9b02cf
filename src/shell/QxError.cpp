#include "shell/QxError.h"

#include "shell/QxMessages.h"

QxError QxError::Framework(int n) {
    return QxError(QxMessages::Framework(n), QxMessages::FrameworkCode(n));
}

QxError QxError::FromStatus(int status) {
    QxMessages::Mapped m = QxMessages::MapStatus(status);
    return QxError(std::move(m.text), m.code);
}
