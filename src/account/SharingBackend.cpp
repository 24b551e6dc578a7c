#include "SharingBackend.h"

namespace OrvaAccount {

SharingBackend::SharingBackend(QObject* parent)
    : QObject(parent)
{
}

SharingBackend::~SharingBackend() = default;

QString SharingBackend::userIdForMember(const GroupMember& member) const
{
    return member.accountId;
}

} // namespace OrvaAccount
