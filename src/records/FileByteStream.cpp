#include "records/FileByteStream.h"

#include "base/ReadOnlyFile.h"

int FileByteStream::Peek()
{
    if (position_ - blockStart_ >= blockSize_) {
        blockStart_ = position_;
        blockSize_ = file_.ReadAt(position_, block_.data(), block_.size());
        if (blockSize_ == 0)
            return End;
    }
    return block_[position_ - blockStart_];
}
