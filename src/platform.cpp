// Anchors the adapter library so that it links while its folders are still filling up.
namespace zeffira::platform {
int anchor = 0;
}
