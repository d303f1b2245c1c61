#include "print/PrintPictures.h"

#include "platform/ContainedFile.h"
#include "platform/PictureLoader.h"

namespace brevmark {

PrintPictures::PrintPictures(const PictureLoader& loader, DataLocation location)
    : loader_(loader), location_(std::move(location)) {}

const Picture& PrintPictures::picture(const QString& fileName) {
    auto it = loaded_.find(fileName);
    if (it == loaded_.end()) {
        // A name that leads out of the pictures folder is not read.
        const bool inside = ContainedFile::isInside(location_.picturesFolder(), fileName);
        it = loaded_.insert(fileName,
                            inside ? loader_.load(location_.pictureFile(fileName)) : Picture());
    }
    return it.value();
}

} // namespace brevmark
