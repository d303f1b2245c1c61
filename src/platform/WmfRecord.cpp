#include "platform/WmfRecord.h"

namespace brevmark {

quint16 WmfRecord::word(qsizetype index) const {
    if (index < 0 || index >= wordCount()) {
        ok_ = false;
        return 0;
    }
    const auto* p = reinterpret_cast<const uchar*>(params_.data()) + index * 2;
    return static_cast<quint16>(p[0] | (p[1] << 8));
}

quint32 WmfRecord::dword(qsizetype index) const {
    const quint32 low = word(index);
    const quint32 high = word(index + 1);
    return low | (high << 16);
}

QByteArrayView WmfRecord::bytes(qsizetype offset, qsizetype length) const {
    if (offset < 0 || length < 0 || offset > params_.size() || length > params_.size() - offset) {
        ok_ = false;
        return {};
    }
    return params_.sliced(offset, length);
}

} // namespace brevmark
