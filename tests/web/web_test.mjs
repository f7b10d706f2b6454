// Tesselka in a real browser: Debian's chromium, headless, opens the page from a web server on
// this machine (which sends the brotli files the folder holds, as a school's server should) and a
// pupil's lesson is played through it, with a mouse and keyboard and then on touch screens alone.
// The simulation window is compared, pixel for pixel, with the Linux renders of the same build at
// the same zoom; what a screen reader would hear is read from the page's live region. Last, the
// server goes away and the page opens again from what the device kept.
//
//   node web_test.mjs WEB_ZIP LINUX_RENDER_TOOL
//
// TESSELKA_WEB_METRICS, if set, names a file the page's load figures are written to.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import zlib from "node:zlib";
import puppeteer from "puppeteer-core";
import { readPng, differingPixels } from "./png.mjs";
import { serve } from "./serve.mjs";

const [zip, renderTool] = process.argv.slice(2);
// What a page of the lesson may weigh over the wire, in bytes.
const most_bytes = 3_000_000;
const page_size = { width: 1366, height: 768 };  // a Chromebook's screen
const zoom = 1.5;  // the largest step at which the simulation window fits it
const main_size = { width: 740 * zoom, height: 488 * zoom };
const intro_size = { width: 374 * zoom, height: 278 * zoom };
// Places in the windows as laid out, in their pixels at 100 %.
const places = { next: [300, 252], start: [496, 72], stop: [628, 72], end: [704, 20],
                 fast: [656, 104], labels: [580, 132], situdo: [560, 459], introPicture: [20, 60] };

const work = fs.mkdtempSync(path.join(os.tmpdir(), "tesselka-web-"));
let server, url, browser, page, folder, references;
const transferred = { bytes: 0 };
const metrics = {};

function centred(size) {
  return { x: Math.round((page_size.width - size.width) / 2), y: Math.round((page_size.height - size.height) / 2),
           ...size };
}
const mainBox = centred(main_size), introBox = centred(intro_size);
const at = (box, [x, y]) => [box.x + x * zoom, box.y + y * zoom];
// What may differ from the Linux render, in the window's pixels at 100 %: the focus and the
// caret of the live window (the render is of one without focus), the speed chosen for the run
// (the render runs at the middle one); and the FreeType that Qt carries for the browser draws a
// few glyph edges up to 4 levels apart from Debian's.
const box = (x, y, width, height) => ({ x: x * zoom, y: y * zoom, width: width * zoom, height: height * zoom });
const startButton = box(392, 56, 209, 33), speeds = box(568, 96, 121, 17), humidity = box(544, 448, 41, 23);
const asOnLinux = { tolerance: 4, except: [startButton, speeds] };
let lastShot;  // the PNG, kept for a failure
const shot = async () => readPng(lastShot = Buffer.from(await page.screenshot({ type: "png" })));
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));


// Waits until `check` on a new screenshot is true; returns that screenshot. `what` (a text, or a
// function giving one) says what was awaited.
async function waitFor(check, timeout_ms, what) {
  const start = Date.now();
  for (;;) {
    const picture = await shot();
    if (check(picture)) return picture;
    if (Date.now() - start > timeout_ms) {
      const kept = path.join(os.tmpdir(), "tesselka-web-failed.png");
      fs.writeFileSync(kept, lastShot);
      assert.fail(`timed out waiting for ${typeof what === "function" ? what() : what} (the page: ${kept})`);
    }
    await sleep(50);
  }
}

before(async () => {
  execFileSync("cmake", ["-E", "tar", "xf", path.resolve(zip)], { cwd: work });
  folder = path.join(work, fs.readdirSync(work).find(name => name.endsWith("-web")));
  const rendered = path.join(work, "linux");
  execFileSync(renderTool, [rendered, "--zoom", String(zoom * 100)], { env: { ...process.env, QT_QPA_PLATFORM: "offscreen" } });
  const chinese = path.join(work, "linux-zh_CN");
  execFileSync(renderTool, [chinese, "--zoom", String(zoom * 100), "--lang", "zh_CN"],
               { env: { ...process.env, QT_QPA_PLATFORM: "offscreen" } });
  references = {
    start: readPng(fs.readFileSync(path.join(rendered, "main-start-150.png"))),
    condensing: readPng(fs.readFileSync(path.join(rendered, "main-condensing-150.png"))),
    chinese: readPng(fs.readFileSync(path.join(chinese, "main-start-150.png"))),
  };
  server = await serve(folder);
  url = `http://127.0.0.1:${server.address().port}/`;
  browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    // Software WebGL; none of the browser's own connections, which this machine refuses; and
    // Japanese as the browser's language, as on a Japanese school's Chromebook.
    args: ["--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync", "--accept-lang=ja",
           `--window-size=${page_size.width},${page_size.height}`],
    defaultViewport: page_size,  // a Chromebook with its touchpad and keyboard
  });
  page = await browser.newPage();
  const cdp = await page.createCDPSession();
  await cdp.send("Network.enable");
  await cdp.send("Network.setCacheDisabled", { cacheDisabled: true });
  cdp.on("Network.loadingFinished", e => { transferred.bytes += e.encodedDataLength; });
});

after(async () => {
  await browser?.close();
  server?.close();
  server?.closeAllConnections?.();
  fs.rmSync(work, { recursive: true, force: true });
});

// The bytes a first visit moves: each file at the smaller of gzip (as a server compresses on the
// fly) and the brotli or gzip form beside it.
function overTheWire(name) {
  const file = path.join(folder, name);
  const sizes = [zlib.gzipSync(fs.readFileSync(file), { level: 9 }).length];
  for (const packed of [file + ".br", file + ".gz"])
    if (fs.existsSync(packed)) sizes.push(fs.statSync(packed).size);
  return Math.min(...sizes);
}

test("the page weighs at most 3 MB over the wire", () => {
  const loaded = ["index.html", "qtloader.js", "tesselka.js", "tesselka.wasm"];
  const kept = ["sw.js", "manifest.webmanifest", "globe-192.png", "globe-512.png"];
  const page_bytes = loaded.reduce((sum, f) => sum + overTheWire(f), 0);
  const all_bytes = page_bytes + kept.reduce((sum, f) => sum + overTheWire(f), 0);
  console.log(`# weight: ${page_bytes} bytes for the page, ${all_bytes} with what the device keeps`);
  assert.ok(all_bytes <= most_bytes, `${all_bytes} bytes`);
  metrics.bytes = page_bytes;
  if (process.env.TESSELKA_WEB_METRICS)
    fs.writeFileSync(process.env.TESSELKA_WEB_METRICS, JSON.stringify(metrics));
});

// Qt's browser plugin is under the GPL 3: the folder carries its text, and a page of the notices
// of all that is inside the program, which the loading page links to.
test("the folder carries the GPL and the notices, linked from the page", () => {
  assert.match(fs.readFileSync(path.join(folder, "GPL-3.0.txt"), "utf8"), /GNU GENERAL PUBLIC LICENSE\s+Version 3/);
  const notices = fs.readFileSync(path.join(folder, "licenses.html"), "utf8");
  for (const name of ["ライセンス", "Qt", "FreeType", "HarfBuzz", "IPA Font License", "Independent JPEG Group"])
    assert.ok(notices.includes(name), name);
  assert.match(fs.readFileSync(path.join(folder, "index.html"), "utf8"), /<a href="licenses.html">ライセンス<\/a>/);
  assert.match(fs.readFileSync(path.join(folder, "font", "FONT.txt"), "utf8"), /-DTESSELKA_WEB_FONT_SUBSET=OFF/);
});

test("the page loads the program and shows the intro, centred", async () => {
  const started = Date.now();
  await page.goto(url);
  await waitForIntro(page, introBox);
  metrics.first_frame_ms = Date.now() - started;
  metrics.transferred = transferred.bytes;
  const files = fs.readdirSync(folder).sort();
  assert.deepEqual(files.filter(f => /\.(html|js|wasm)$/.test(f)),
                   ["index.html", "licenses.html", "qtloader.js", "sw.js", "tesselka.js", "tesselka.wasm"]);
  if (process.env.TESSELKA_WEB_METRICS)
    fs.writeFileSync(process.env.TESSELKA_WEB_METRICS, JSON.stringify(metrics));
  console.log(`# page: ${(transferred.bytes / 1e6).toFixed(2)} MB transferred, intro after ${metrics.first_frame_ms} ms`);
});

test("次へ opens the simulation window, at rest as on Linux", async () => {
  await sleep(5500);  // the intro's six pages
  await page.mouse.click(...at(introBox, places.next));
  let closest = Infinity;
  await waitFor(p => (closest = Math.min(closest, differingPixels(p, mainBox, references.start, asOnLinux))) === 0,
                10000, () => `the simulation window as on Linux (closest: ${closest} pixels differ)`);
});

test("a typed bad value brings its message, then the window at rest again", async () => {
  const before = await shot();
  await page.mouse.click(...at(mainBox, places.situdo), { clickCount: 3 });
  await page.keyboard.type("abc");
  await page.keyboard.press("Enter");
  // The message box covers the middle of the simulation window.
  await waitFor(p => differingPixels(p, mainBox, cut(before, mainBox)) > 5000, 5000, "the message");
  await page.keyboard.press("Enter");
  // The humidity goes back to 60, and the box keeps the focus.
  const asAtRest = { ...asOnLinux, except: [...asOnLinux.except, humidity] };
  await waitFor(p => differingPixels(p, mainBox, references.start, asAtRest) === 0, 5000,
                "the message to close, and the window at rest as on Linux");
});

test("開始 at the fast speed cools the water to 15 °C as on Linux, told in the live region", async () => {
  await page.mouse.click(...at(mainBox, places.labels));
  await page.mouse.click(...at(mainBox, places.fast));
  await page.mouse.click(...at(mainBox, places.start));
  let closest = Infinity, heard = "";
  await waitFor(p => {
    closest = Math.min(closest, differingPixels(p, mainBox, references.condensing, asOnLinux));
    return closest === 0;
  }, 20000, () => `15 °C as on Linux (closest: ${closest} pixels differ)`);
  heard = await saidAfter(page, "");
  await page.mouse.click(...at(mainBox, places.stop));
  // The tick that showed 15 °C said so (a later one may have come before the stop).
  assert.match(heard, /^1[0-5]℃/);
  const stopped = await saidAfter(page, heard);
  const t = Number(stopped.match(/^停止しました。水温 (\d+)℃$/)?.[1]);
  assert.ok(t >= 10 && t <= 15, stopped);
  // F1: the whole state, with the lesson's saturated amount at that temperature.
  await page.keyboard.press("F1");
  const whole = await saidAfter(page, stopped);
  assert.ok(whole.startsWith(`水温 ${t}℃。1m³の空気に入ることができる水蒸気量 ${saturated[t]} g、`), whole);
  assert.match(whole, /丸 1 つが 1 g です。/);
});

test("終わり leaves a page that says the lesson has ended", async () => {
  await page.mouse.click(...at(mainBox, places.end));
  await page.waitForFunction(() => document.getElementById("ended").style.display === "block", { timeout: 5000 });
  assert.match(await page.$eval("#ended", e => e.textContent), /終わりました/);
  assert.equal(await page.$eval("#qtcanvas", e => e.style.display), "none");
});

test("Chromium finds the page installable, with its manifest and service worker", async () => {
  // The worker fetches every file again: it is registered only once the intro's paint shows.
  await page.evaluateOnNewDocument(() => {
    const register = navigator.serviceWorker.register.bind(navigator.serviceWorker);
    navigator.serviceWorker.register = (...args) => {
      performance.mark("worker registered");
      return register(...args);
    };
  });
  await page.goto(url);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => performance.getEntriesByName("worker registered").length, { timeout: 30000 });
  const [painted, registered] = await page.evaluate(() =>
    ["tesselka: painted", "worker registered"].map(name => performance.getEntriesByName(name)[0]?.startTime));
  assert.ok(painted > 0 && registered > painted, `painted at ${painted} ms, worker registered at ${registered} ms`);
  const cdp = await page.createCDPSession();
  const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
  assert.deepEqual(installabilityErrors, []);
  const manifest = await (await fetch(new URL("manifest.webmanifest", url))).json();
  assert.equal(manifest.lang, "ja");
  assert.equal(manifest.display, "standalone");
});

// A pupil with a touch screen alone sets 気温 35 ℃, 湿度 90 %, 水温 5 ℃ by taps, on a Chromebook
// and an iPad held either way; the page picks the zoom at which the simulation window fits.
const touchScreens = [
  { name: "Chromebook", width: 1366, height: 768, zoom: 1.5 },
  { name: "Chromebook upright", width: 768, height: 1366, zoom: 1 },
  { name: "iPad", width: 1180, height: 820, zoom: 1.5 },
  { name: "iPad upright", width: 820, height: 1180, zoom: 1 },
];
// The lists' fields, in the window's pixels at 100 %, the entry each holds (30 of 0 to 40 ℃,
// 60 of 10 to 90 %) and the one to pick.
const fields = [{ box: [544, 416, 41, 23], now: 6, entry: 7 }, { box: [544, 448, 41, 23], now: 5, entry: 8 },
                { box: [656, 432, 41, 23], now: 6, entry: 1 }];

for (const screen of touchScreens) {
  test(`on a touch screen alone (${screen.name}), the three values are set by taps`, async () => {
    const touch = await browser.newPage();
    await touch.setViewport({ width: screen.width, height: screen.height, hasTouch: true });
    const place = (size, [x, y]) => [Math.round((screen.width - size.width * screen.zoom) / 2) + x * screen.zoom,
                                     Math.round((screen.height - size.height * screen.zoom) / 2) + y * screen.zoom];
    const windowSize = { width: 740, height: 488 }, introSize = { width: 374, height: 278 };
    await touch.goto(url);
    const intro = { x: place(introSize, [0, 0])[0], y: place(introSize, [0, 0])[1] };
    await waitForIntro(touch, { ...intro, zoomed: screen.zoom });
    await sleep(5500);
    const intro_shown = await picture(touch);
    await touch.touchscreen.tap(...place(introSize, places.next));
    await waitForChange(touch, intro_shown, place(windowSize, places.start), "the simulation window");
    for (const field of fields) {
      const [x, y] = place(windowSize, field.box);
      const box = { x, y, width: field.box[2] * screen.zoom, height: field.box[3] * screen.zoom };
      await settled(touch);
      await touch.touchscreen.tap(x + box.width / 2, y + box.height / 2);
      const current = await waitForList(touch, box);
      assert.ok(current.height >= 44, `entries ${current.height} pixels tall`);
      await touch.touchscreen.tap(x + box.width / 2, current.top + current.height * (field.entry - field.now + 0.5));
      await waitForListClosed(touch, box);
    }
    // The field tapped took no typing: the page said so.
    assert.equal(await touch.$eval("#no-keyboard", e => e.style.display), "block");
    const before = await said(touch);
    await touch.keyboard.press("F1");  // the test's own key, to hear the state
    const whole = await saidAfter(touch, before);
    // 90 % of 39.6 g at 35 °C is 35.64 g; 6.80 g of it stays vapour at 5 °C.
    assert.ok(whole.startsWith("水温 5℃。1m³の空気に入ることができる水蒸気量 6.80 g、"), whole);
    assert.match(whole, /入りきらずに水になった量 28.84 g。/);
    await touch.close();
  });
}

// The page takes the language of its link (?lang=), else the browser's first that the lesson has,
// else Japanese: its own texts, and the program's, told by --lang. The program's language shows in
// the intro's last caption, which stays in the live region.
const languageCases = [
  { name: "a Portuguese link on a Japanese browser", query: "?lang=pt_BR", tag: "pt-BR", code: "pt_BR",
    texts: ["Tesselka – Gotas no copo: por quê?", "Começar de novo", "Licenças"] },
  { name: "no link on a Japanese browser", query: "", tag: "ja", code: "ja",
    texts: ["Tesselka コップに水滴が付くのは？", "もう一度はじめる", "ライセンス"] },
  { name: "an unknown link on a browser in traditional Chinese, then Spanish", query: "?lang=xx",
    browser: "zh-TW,es-MX", tag: "es", code: "es",
    texts: ["Tesselka – Gotas en el vaso: ¿por qué?", "Empezar otra vez", "Licencias"] },
];

test("the page and the program speak the language of the link, else the browser's", async () => {
  for (const c of languageCases) {
    const onPage = await browser.newPage();
    if (c.browser)
      await (await onPage.createCDPSession()).send("Emulation.setUserAgentOverride",
                                                   { userAgent: await browser.userAgent(), acceptLanguage: c.browser });
    await onPage.goto(url + c.query);
    const shown = await onPage.evaluate(() => ({
      tag: document.documentElement.lang,
      texts: [document.title, document.getElementById("again").textContent, document.querySelector("a").textContent],
      all: [...document.querySelectorAll("h1, p, button, a, #no-keyboard")].map(e => e.textContent)
        .concat(document.getElementById("qtcanvas").getAttribute("aria-label")).join(" "),
    }));
    assert.equal(shown.tag, c.tag, c.name);
    assert.deepEqual(shown.texts, c.texts, c.name);
    if (c.tag !== "ja")
      assert.doesNotMatch(shown.all, /[\u3040-\u30ff\u4e00-\u9fff]/, `${c.name}: Japanese left in the page`);
    const last = lastCaption(c.code);
    const heard = await onPage.waitForFunction(t => document.getElementById("said").textContent === t,
                                               { timeout: 60000 }, last).then(() => last, () => said(onPage));
    assert.equal(heard, last, `${c.name}: the program's intro`);
    await onPage.close();
  }
});

test("with ?lang=zh_CN the simulation window is drawn as the Linux render in Chinese", async () => {
  const onPage = await browser.newPage();
  await onPage.goto(url + "?lang=zh_CN");
  await waitForIntro(onPage, introBox);
  await sleep(5500);  // the intro's six pages
  await onPage.mouse.click(...at(introBox, places.next));
  let closest = Infinity;
  const start = Date.now();
  while ((closest = Math.min(closest, differingPixels(await picture(onPage), mainBox, references.chinese, asOnLinux))) > 0 &&
         Date.now() - start < 15000)
    await sleep(100);
  assert.equal(closest, 0, "pixels differing from the Linux render in Chinese");
  await onPage.close();
});

test("with the server gone, the page opens again from what the device kept", async () => {
  const kept = await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    const names = await caches.keys();
    return names.length ? (await (await caches.open(names[0])).keys()).length : 0;
  });
  assert.ok(kept >= 5, `${kept} files kept`);
  const closed = new Promise(resolve => server.close(resolve));
  server.closeAllConnections();  // the browser's open connections too, or the close waits on them
  await closed;
  await page.reload();
  await waitForIntro(page, introBox);
  server = undefined;
});

// The intro's last caption as the program says it in the language `code`: the Japanese, or its
// translation in the language's Linguist file.
function lastCaption(code) {
  const japanese = "どのようにして水滴がついたのでしょう。";
  if (code === "ja") return japanese;
  const ts = fs.readFileSync(new URL(`../../translations/tesselka_${code}.ts`, import.meta.url), "utf8");
  const entities = { apos: "'", quot: '"', amp: "&", lt: "<", gt: ">" };
  return ts.match(new RegExp(`<source>${japanese}</source>\\s*<translation>([^<]*)<`))[1]
    .replace(/&(\w+);/g, (_, name) => entities[name]);
}

// The amounts of the lesson's table at 10 to 15 °C, in grams.
const saturated = { 10: "9.40", 11: "10.00", 12: "10.70", 13: "11.40", 14: "12.10", 15: "12.80" };

// Waits for the intro's picture box to show a cup rather than the page's grey.
async function waitForIntro(onPage, box) {
  const zoomed = box.zoomed ?? zoom;
  const [px, py] = [box.x + places.introPicture[0] * zoomed, box.y + places.introPicture[1] * zoomed];
  const start = Date.now();
  for (;;) {
    const p = await picture(onPage);
    const i = (Math.round(py) * p.width + Math.round(px)) * 4;
    if (p.rgba[i] !== 0xd4 || p.rgba[i + 1] !== 0xd0) return;
    if (Date.now() - start > 60000) assert.fail("timed out waiting for the intro");
    await sleep(50);
  }
}

const picture = async onPage => readPng(Buffer.from(await onPage.screenshot({ type: "png" })));
const grey = (p, [x, y]) => { const i = (Math.round(y) * p.width + Math.round(x)) * 4;
                              return p.rgba[i] === 0xd4 && p.rgba[i + 1] === 0xd0 && p.rgba[i + 2] === 0xc8; };

// The page once two screenshots in a row are the same: the window has drawn what it had to.
async function settled(onPage) {
  let last = await picture(onPage);
  for (let tries = 0; tries < 50; ++tries) {
    await sleep(100);
    const p = await picture(onPage);
    if (p.rgba.equals(last.rgba)) return p;
    last = p;
  }
  assert.fail("the page never came to rest");
}

// Waits until the pixel at `point` differs from the one in `first`.
async function waitForChange(onPage, first, point, what) {
  const i = (Math.round(point[1]) * first.width + Math.round(point[0])) * 4;
  const start = Date.now();
  for (;;) {
    const p = await picture(onPage);
    if (p.rgba.compare(first.rgba, i, i + 3, i, i + 3) !== 0) return;
    if (Date.now() - start > 10000) assert.fail(`timed out waiting for ${what}`);
    await sleep(50);
  }
}

// The open list of `field`, found by its highlighted entry (the value the field holds) in the
// field's middle column: that entry's top and height, once the list has stopped unrolling.
async function waitForList(onPage, field) {
  const start = Date.now();
  let last;
  for (;;) {
    await sleep(100);
    const entry = highlighted(await picture(onPage), Math.round(field.x + field.width / 2), field);
    if (entry && JSON.stringify(entry) === JSON.stringify(last)) return entry;
    last = entry;
    if (Date.now() - start > 5000) assert.fail("timed out waiting for the list to open");
  }
}

function highlighted(p, x, field) {
  const at = y => p.rgba.subarray((y * p.width + x) * 4, (y * p.width + x) * 4 + 3);
  // Fusion's highlight, #308cc6, and the lighter line at its edges.
  const highlight = ([r, g, b]) => Math.abs(r - 0x30) + Math.abs(g - 0x8c) + Math.abs(b - 0xc6) < 24;
  const edge = ([r, , b]) => b > 150 && b - r > 40;
  let top = -1, bottom = -1;
  for (let y = 0; y < p.height; ++y)
    if ((y < field.y || y >= field.y + field.height) && highlight(at(y))) {
      if (top < 0) top = y;
      bottom = y;
    }
  if (top < 0) return null;
  if (top > 0 && edge(at(top - 1))) --top;
  if (bottom + 1 < p.height && edge(at(bottom + 1))) ++bottom;
  return { top, height: bottom - top + 1 };
}

// The list closes once an entry is picked: no highlighted entry left by the field.
async function waitForListClosed(onPage, field) {
  const start = Date.now();
  while (highlighted(await picture(onPage), Math.round(field.x + field.width / 2), field)) {
    if (Date.now() - start > 3000) assert.fail("the list stayed open");
    await sleep(100);
  }
}

// The live region's text now, and its next text different from `previous`.
const said = onPage => onPage.$eval("#said", e => e.textContent);
// The next sentence in the live region other than `previous`, read as it is put there: the page
// empties the region for a moment before each sentence, so that a repeated one is read again.
async function saidAfter(onPage, previous) {
  const sentence = await onPage.waitForFunction(p => {
    const t = document.getElementById("said").textContent;
    return t && t !== p ? t : false;
  }, { timeout: 5000 }, previous);
  return sentence.jsonValue();
}

// A part of a picture as a picture of its own.
function cut(picture, box) {
  const rgba = Buffer.alloc(box.width * box.height * 4);
  for (let y = 0; y < box.height; ++y)
    picture.rgba.copy(rgba, y * box.width * 4, ((box.y + y) * picture.width + box.x) * 4,
                      ((box.y + y) * picture.width + box.x + box.width) * 4);
  return { width: box.width, height: box.height, rgba };
}
