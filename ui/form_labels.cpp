#include "ui/form_labels.h"

namespace fw {

FormLabelTable FormLabels() {
    FormLabelTable labels;
    for (int i = 0; i < 20; ++i) labels[i] = std::to_string(i + 1);
    return labels;
}

}  // namespace fw
