// The web page played in headless Chromium as a player would: node page-test.mjs PAGE_FOLDER SHOTS.
// Serves the folder on 127.0.0.1, clicks to play, presses the game's keys, and judges what the
// canvas shows from screenshots (kept in SHOTS). Prints what it measured; exits 1 at the first
// check that fails.
import { mkdirSync, readFileSync } from "node:fs";
import { gunzipSync, gzipSync } from "node:zlib";
import { join, resolve } from "node:path";
import { brightness, check, difference, runInChromium, sleep, waitFor, waitForLand1, waitForTitle } from "./page-tools.mjs";

const [folder, shots] = process.argv.slice(2).map((p) => resolve(p));
mkdirSync(shots, { recursive: true });

await runInChromium(folder, async (browser, url) => {
  const context = await browser.newContext({ viewport: { width: 1280, height: 960 } });
  const page = await context.newPage();
  const errors = [];
  page.on("console", (message) => {
    if (message.type() === "error") errors.push(message.text());
  });
  page.on("pageerror", (error) => errors.push(String(error)));
  // The game's frames: every picture it shows is one texture upload, made in the animation frame
  // whose pass began that frame. The times are those of the passes' beginnings, on the clock the
  // game reads.
  await page.addInitScript(() => {
    window.frameTimes = [];
    let passBegan = 0;
    const request = window.requestAnimationFrame.bind(window);
    window.requestAnimationFrame = (pass) =>
      request((time) => {
        passBegan = performance.now();
        pass(time);
      });
    for (const gl of [WebGLRenderingContext, WebGL2RenderingContext]) {
      const upload = gl.prototype.texSubImage2D;
      gl.prototype.texSubImage2D = function (...args) {
        window.frameTimes.push(passBegan);
        return upload.apply(this, args);
      };
    }
  });

  let shot = 0;
  const canvas = page.locator("#canvas");
  async function screenshot(name) {
    const file = join(shots, `${String(++shot).padStart(2, "0")}-${name}.png`);
    await canvas.screenshot({ path: file });
    return file;
  }
  async function hold(key, ms) {
    await page.keyboard.down(key);
    await sleep(ms);
    await page.keyboard.up(key);
  }
  const panelText = () => page.evaluate(() => (document.getElementById("panel").hidden ? "" : document.getElementById("line").textContent));

  await page.goto(url);
  check((await page.title()) === "QUORAX", 'the page is titled "QUORAX"');
  await page.locator("#play").waitFor({ state: "visible" });
  await page.evaluate(() => (window.notReloaded = true));
  await page.locator("#panel").click();
  const title = await waitForTitle(screenshot);
  check(true, `after the click the canvas shows the title (brightness ${brightness(title).toFixed(3)})`);
  const audio = await page.evaluate(() => Module.SDL2 && Module.SDL2.audioContext && Module.SDL2.audioContext.state);
  check(audio === "running", `the audio device is open, its context ${audio}`);
  const titleHeap = await page.evaluate(() => Module.heapReached());
  console.log(`web: the game reached ${(titleHeap / 1048576).toFixed(1)} MB of its heap on the title`);

  await hold("F5", 200);
  await waitFor("the story", async () => {
    await sleep(300);
    const file = await screenshot("story");
    return difference(file, title) > 0.2 ? file : null;
  });
  check(await page.evaluate(() => window.notReloaded === true), "F5 shows the story and the page did not reload");
  await hold("Enter", 200);
  await waitFor("the title again", async () => {
    await sleep(300);
    return difference(await screenshot("title-again"), title) < 0.01;
  });
  check(true, "Enter goes back to the title");
  const fullScreen = () => page.evaluate(() => document.fullscreenElement && document.fullscreenElement.id);
  await hold("F11", 100);
  await waitFor("the canvas in full screen", async () => (await fullScreen()) === "canvas");
  await hold("F11", 100);
  await waitFor("the page out of full screen", async () => (await fullScreen()) === null);
  check(true, "F11 puts the canvas in full screen, and back");

  await hold("F1", 200);
  const land = await waitForLand1(screenshot, title);
  check(true, "F1 held 0.2 s starts land 1");
  await hold("ArrowRight", 2000);
  const walked = await screenshot("land1-walked");
  check(difference(walked, land) > 0.2, `Right held 2 s scrolls the land (${(100 * difference(walked, land)).toFixed(0)}% of pixels changed)`);

  // Paused, the game shows no new picture: two screenshots a second apart are identical.
  const still = (name) =>
    waitFor(`two identical screenshots a second apart (${name})`, async () => {
      const first = await screenshot(name);
      await sleep(1000);
      return difference(await screenshot(`${name}-later`), first) === 0 ? first : null;
    });
  const moving = (name, since) =>
    waitFor(`a new picture (${name})`, async () => {
      await sleep(300);
      return difference(await screenshot(name), since) > 0;
    });
  await hold("p", 100);
  const paused = await still("paused");
  check(difference(paused, walked) > 0, "P pauses: the banner shows, and two screenshots a second apart are identical");
  await hold("p", 100);
  await moving("resumed", paused);
  check(true, "P resumes");

  // Headless Chromium keeps every tab visible, whichever is in front: the tab is hidden and shown
  // again as the browser does it, through the document's visibility and its event.
  const showTab = (visible) =>
    page.evaluate((visible) => {
      Object.defineProperty(document, "hidden", { value: !visible, configurable: true });
      Object.defineProperty(document, "visibilityState", { value: visible ? "visible" : "hidden", configurable: true });
      document.dispatchEvent(new Event("visibilitychange"));
    }, visible);
  await showTab(false);
  await sleep(500);
  await showTab(true);
  const hidden = await still("hidden");
  check(true, "a hidden tab pauses the game");
  await hold("p", 100);
  await moving("hidden-resumed", hidden);
  check(true, "P resumes");

  // The pace: the time between the game's frames over 10 s of play (the death screen, should the
  // hero fall meanwhile, shows a frame each time too).
  await page.evaluate(() => (window.frameTimes = []));
  await sleep(10000);
  const times = await page.evaluate(() => window.frameTimes);
  const gaps = times.slice(1).map((t, i) => t - times[i]).sort((a, b) => a - b);
  const median = gaps[Math.floor(gaps.length / 2)];
  const off = gaps.filter((gap) => Math.abs(gap - 1000 / 30) > 4).length / gaps.length;
  const share = (100 * off).toFixed(1);
  console.log(`web: ${gaps.length} frames in 10 s, ${median.toFixed(1)} ms apart (median), ${share}% off 33.3 ms by more than 4 ms`);
  // A frame begins only once 30 ms have passed since the last began, by a clock of whole
  // milliseconds; a busy machine may stretch the gaps, but never shorten them.
  check(gaps[0] >= 29, `no frame came early (the shortest gap ${gaps[0].toFixed(1)} ms)`);
  check(median < 70, "the game ran at least every fourth refresh");
  const heap = await page.evaluate(() => ({ reached: Module.heapReached(), size: Module.HEAP8.length }));
  check(heap.size === 64 * 1048576, `the heap is still 64 MB; the game reached ${(heap.reached / 1048576).toFixed(1)} MB of it in play`);

  await hold("Escape", 200);
  await waitFor("the ended panel", async () => (await panelText()) === "QUORAX has ended");
  check(await page.locator("#again").isVisible(), 'Escape shows "QUORAX has ended" with a button to play again');
  await page.screenshot({ path: join(shots, `${String(++shot).padStart(2, "0")}-ended.png`) });

  check(errors.length === 0, `the console holds no error${errors.length ? ": " + errors.join(" | ") : ""}`);

  // A damaged picture in the data: the page shows the game's one line instead of a blank canvas.
  // These pages fetch past the service worker, as a browser without one does, so that the test's
  // routes see their requests.
  const loader = readFileSync(join(folder, "quorax.js"), "utf8");
  const picture = /"filename":"\/title\.bmp","start":(\d+)/.exec(loader);
  check(picture !== null, "the page's data holds title.bmp");
  const plain = await browser.newContext({ serviceWorkers: "block" });
  const damaged = await plain.newPage();
  await damaged.route("**/quorax.data.gz", async (route) => {
    const response = await route.fetch();
    const bytes = gunzipSync(await response.body());
    bytes.write("XX", Number(picture[1])); // no longer a bitmap's signature
    await route.fulfill({ response, body: gzipSync(bytes) });
  });
  await damaged.goto(url);
  await damaged.locator("#play").waitFor({ state: "visible" });
  await damaged.locator("#panel").click();
  await damaged.locator("#again").waitFor({ state: "visible" });
  const said = await damaged.locator("#line").textContent();
  check(/^quorax: start-up failed: title\.bmp: .+/.test(said), `a damaged title.bmp shows "${said}" on the page`);

  // Data the server does not have: a clear line and a way to try again, not "Loading" for ever.
  const missing = await plain.newPage();
  await missing.route("**/quorax.data.gz", (route) => route.fulfill({ status: 404, body: "not found" }));
  await missing.goto(url);
  await missing.locator("#again").waitFor({ state: "visible" });
  const line = await missing.locator("#line").textContent();
  check(/^QUORAX cannot load: quorax\.data\.gz: 404\b/.test(line), `missing data shows "${line.replace("\n", " ")}"`);
});
