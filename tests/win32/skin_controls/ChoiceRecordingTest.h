// A skinned-control fixture that keeps every skin-class choice the factory
// is asked to make, in order, and puts the factory back afterwards.
#pragma once

#include <vector>

#include "SkinControlSupport.h"
#include "skin/controls/SkinObjectFactory.h"

class ChoiceRecordingTest : public SkinControlTest {
 protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    SkinObjectFactory() = [this](const TSkinChoice& choice) {
      chosen.push_back(choice);
      return CreateSkinObject(choice);
    };
  }
  void TearDown() override {
    SkinObjectFactory() = &CreateSkinObject;
    SkinControlTest::TearDown();
  }

  std::vector<TSkinChoice> chosen;
};
