// Tesselka in a real browser: Debian's chromium, headless, opens the page from a web server on
// this machine and a pupil's lesson is played through it. The simulation window is compared,
// pixel for pixel, with the Linux renders of the same build at the same zoom.
//
//   node web_test.mjs WEB_ZIP LINUX_RENDER_TOOL
//
// TESSELKA_WEB_METRICS, if set, names a file the page's load figures are written to.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import http from "node:http";
import os from "node:os";
import path from "node:path";
import puppeteer from "puppeteer-core";
import { readPng, differingPixels } from "./png.mjs";

const [zip, renderTool] = process.argv.slice(2);
const page_size = { width: 1366, height: 768 };  // a Chromebook's screen
const zoom = 1.5;  // the largest step at which the simulation window fits it
const main_size = { width: 740 * zoom, height: 488 * zoom };
const intro_size = { width: 374 * zoom, height: 278 * zoom };
// Places in the windows as laid out, in their pixels at 100 %.
const places = { next: [300, 252], start: [496, 72], stop: [628, 72], end: [704, 20],
                 fast: [656, 104], labels: [580, 132], situdo: [560, 459], introPicture: [20, 60] };

const work = fs.mkdtempSync(path.join(os.tmpdir(), "tesselka-web-"));
let server, browser, page, folder, references;
const transferred = { bytes: 0 };

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

function serve(root) {
  const types = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".wasm": "application/wasm" };
  return new Promise(resolve => {
    const s = http.createServer((request, response) => {
      const file = path.join(root, decodeURIComponent(new URL(request.url, "http://x").pathname));
      if (!file.startsWith(root) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
        const index = path.join(file, "index.html");
        if (!fs.existsSync(index)) { response.writeHead(404).end(); return; }
        return send(index);
      }
      send(file);
      function send(f) {
        const body = fs.readFileSync(f);
        response.writeHead(200, { "Content-Type": types[path.extname(f)] || "application/octet-stream",
                                  "Content-Length": body.length });
        response.end(body);
      }
    });
    s.listen(0, "127.0.0.1", () => resolve(s));
  });
}

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
  references = {
    start: readPng(fs.readFileSync(path.join(rendered, "main-start-150.png"))),
    condensing: readPng(fs.readFileSync(path.join(rendered, "main-condensing-150.png"))),
  };
  server = await serve(folder);
  browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    // Software WebGL; and none of the browser's own connections, which this machine refuses.
    args: ["--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync",
           `--window-size=${page_size.width},${page_size.height}`],
    defaultViewport: { ...page_size, hasTouch: true },  // a Chromebook's touch screen
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
  fs.rmSync(work, { recursive: true, force: true });
});

test("the page loads the program and shows the intro, centred", async () => {
  const started = Date.now();
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  // The intro's picture box shows a cup (not the page's grey) once the intro has drawn.
  const [px, py] = at(introBox, places.introPicture);
  await waitFor(p => {
    const i = (Math.round(py) * p.width + Math.round(px)) * 4;
    return p.rgba[i] !== 0xd4 || p.rgba[i + 1] !== 0xd0;
  }, 60000, "the intro");
  const first_frame_ms = Date.now() - started;
  const files = fs.readdirSync(folder).sort();
  assert.deepEqual(files.filter(f => /\.(html|js|wasm)$/.test(f)), ["index.html", "qtloader.js", "tesselka.js", "tesselka.wasm"]);
  if (process.env.TESSELKA_WEB_METRICS)
    fs.writeFileSync(process.env.TESSELKA_WEB_METRICS, JSON.stringify({ bytes: transferred.bytes, first_frame_ms }));
  console.log(`# page: ${(transferred.bytes / 1e6).toFixed(1)} MB transferred, intro after ${first_frame_ms} ms`);
});

test("次へ, tapped, opens the simulation window, at rest as on Linux", async () => {
  await sleep(5500);  // the intro's six pages
  await page.touchscreen.tap(...at(introBox, places.next));
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

test("開始 at the fast speed cools the water to 15 °C as on Linux", async () => {
  await page.mouse.click(...at(mainBox, places.labels));
  await page.mouse.click(...at(mainBox, places.fast));
  await page.mouse.click(...at(mainBox, places.start));
  let closest = Infinity;
  await waitFor(p => (closest = Math.min(closest, differingPixels(p, mainBox, references.condensing, asOnLinux))) === 0,
                20000, () => `15 °C as on Linux (closest: ${closest} pixels differ)`);
  await page.mouse.click(...at(mainBox, places.stop));
});

test("終わり leaves a page that says the lesson has ended", async () => {
  await page.mouse.click(...at(mainBox, places.end));
  await page.waitForFunction(() => document.getElementById("ended").style.display === "block", { timeout: 5000 });
  assert.match(await page.$eval("#ended", e => e.textContent), /終わりました/);
  assert.equal(await page.$eval("#qtcanvas", e => e.style.display), "none");
});

// A part of a picture as a picture of its own.
function cut(picture, box) {
  const rgba = Buffer.alloc(box.width * box.height * 4);
  for (let y = 0; y < box.height; ++y)
    picture.rgba.copy(rgba, y * box.width * 4, ((box.y + y) * picture.width + box.x) * 4,
                      ((box.y + y) * picture.width + box.x + box.width) * 4);
  return { width: box.width, height: box.height, rgba };
}
