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
        const bool outside = ContainedFile::leadsOutside(location_.picturesFolder(), fileName);
        it = loaded_.insert(fileName,
                            outside ? Picture() : loader_.load(location_.pictureFile(fileName)));
    }
    return it.value();
}

} // namespace brevmark
