// SPDX-License-Identifier: GPL-3.0-or-later
// An indexed array of like controls whose elements beyond 0 are created at run time as hidden copies.
#pragma once

#include <QPointer>
#include <vector>

namespace tk::ui {

// T must offer `T* cloneHidden() const`. Element 0 is the template, made with the window; the array
// does not own its elements (their parent widget does) but destroys those it created when unloaded.
template <typename T> class ControlArray {
public:
    explicit ControlArray(T* element0)
        : elements_{QPointer<T>(element0)} {}

    // The element at `index`, or nullptr when it is not loaded.
    T* operator[](int index) const {
        return index >= 0 && index < static_cast<int>(elements_.size()) ? elements_[index].data() : nullptr;
    }

    // Creates element `index` as a hidden copy of element 0. Loading a loaded element returns it as it is.
    T* load(int index) {
        if (index <= 0) return (*this)[0];
        if (index >= static_cast<int>(elements_.size())) elements_.resize(index + 1);
        if (!elements_[index]) elements_[index] = elements_[0]->cloneHidden();
        return elements_[index].data();
    }

    // Destroys element `index` (element 0 stays: it belongs to the window).
    void unload(int index) {
        if (index <= 0 || index >= static_cast<int>(elements_.size())) return;
        delete elements_[index].data();
        elements_[index] = nullptr;
        while (elements_.size() > 1 && !elements_.back())
            elements_.pop_back();
    }

    // One past the highest loaded index.
    int upperBound() const { return static_cast<int>(elements_.size()); }

private:
    std::vector<QPointer<T>> elements_;
};

} // namespace tk::ui
