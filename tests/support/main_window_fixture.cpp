#include "support/main_window_fixture.h"

#include "core/records/phone_codec.h"
#include "sim/sample_config.h"

namespace orbisk::test {

void MainWindowFixture::setExpanders(std::initializer_list<int> slotList, int phones) {
  uint16_t mask = 0;
  for (int s : slotList) {
    mask = static_cast<uint16_t>(mask | (1u << s));
    img().setPhoneCount(s, phones);
    for (int i = 0; i < phones; ++i)
      packtel(img().record(s, i), QByteArray::number(1000 + i), "0001E13000101", "c" + QByteArray::number(i));
  }
  img().setMask(mask);
  img()[off::kExpanderCount] = static_cast<uint8_t>(slotList.size());
  form->obrfile();
}

void MainWindowFixture::loadSampleReceiver() {
  sim::buildSample(engine.memory());
  sim::SlotTypes types{};
  sim::parseChannelTypes(sim::kSampleChannelTypes, types);
  engine.setChannelTypes(types);
  engine.setModel(sim::kSampleModel);
}

void MainWindowFixture::selectNode(int index) {
  QTreeWidgetItem* root = v().TreeView1->topLevelItem(0);
  v().TreeView1->setCurrentItem(index == 0 ? root : root->child(index - 1));
}

}  // namespace orbisk::test
