import QtQuick
import QtQuick.Controls
import QtTest
import Zeffira
import ZeffiraTest

TestCase {
    id: testCase
    name: "AboutView"
    width: 400
    height: 600
    visible: true
    when: windowShown

    Component {
        id: aboutComponent
        AboutView {}
    }

    function init() {
        TestRig.reset()
    }
    function cleanup() {
        TestRig.setBeta(false)
    }

    function test_versionLineAndLayout() {
        const view = createTemporaryObject(aboutComponent, testCase)
        compare(view.width, 340)
        const version = findChild(view, "versionLabel")
        compare(version.text, App.versionLine)
        verify(/^Versie (\S+ \(\S+\)|1\.0\.0)$/.test(version.text), version.text)
        compare(findChild(view, "appIcon").status, Image.Ready)
        verify(view.implicitHeight > 300)
    }

    function test_betaBadge_data() {
        return [{ tag: "BETA set, even empty", beta: true }, { tag: "no BETA", beta: false }]
    }

    function test_betaBadge(data) {
        TestRig.setBeta(data.beta)
        const view = createTemporaryObject(aboutComponent, testCase)
        const badge = findChild(view, "betaBadge")
        compare(badge.visible, data.beta)
        compare(badge.text, "BETA VERSIE")
        compare(badge.color, "#ffffff")
        compare(badge.background.color, Theme.badgeOrange)
        verify(Theme.contrast(badge.color, badge.background.color) >= 4.5)
        compare(badge.background.radius, 4)
    }

    function test_links_data() {
        return [{ tag: "privacy", name: "privacyLink", text: "Privacy", path: "/zeffira/privacy" },
                { tag: "support", name: "supportLink", text: "Support", path: "/zeffira/support" }]
    }

    function test_links(data) {
        const view = createTemporaryObject(aboutComponent, testCase)
        const link = findChild(view, data.name)
        compare(link.text, data.text)
        mouseClick(link)
        verify(TestRig.lastOpenedUrl.startsWith("https://"), TestRig.lastOpenedUrl)
        verify(TestRig.lastOpenedUrl.endsWith(data.path), TestRig.lastOpenedUrl)
    }
}
