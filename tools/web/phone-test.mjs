// The web page played on a touch screen through real touch events (the DevTools protocol's
// Input.dispatchTouchEvent), as a landscape phone, a portrait phone and a 4:3 tablet would:
// node phone-test.mjs PAGE_FOLDER SHOTS. A tap brings the title, land1 starts play, right held
// scrolls the land, fire tapped by a second finger while right is held costs a bullet, pause
// pauses and goes on, a keyboard key hides the controls. Screenshots are kept in SHOTS; exits 1
// at the first check that fails.
import { mkdirSync } from "node:fs";
import { join, resolve } from "node:path";
import { brightness, check, difference, fail, runInChromium, sleep, waitFor } from "./page-tools.mjs";

const [folder, shots] = process.argv.slice(2).map((p) => resolve(p));
mkdirSync(shots, { recursive: true });

// Each with the safe-area insets (left, top, right, bottom) of such a device's notch and home
// indicator, which headless Chromium does not have: the page's value is set as the page would.
const screens = [
  { name: "landscape", viewport: { width: 844, height: 390 }, placed: "beside", insets: [47, 0, 47, 21] },
  { name: "portrait", viewport: { width: 390, height: 844 }, placed: "below", insets: [0, 47, 0, 34] },
  { name: "tablet", viewport: { width: 1024, height: 768 }, placed: "over", insets: [0, 24, 0, 20] },
];

const inside = (inner, outer) =>
  inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width && inner.y + inner.height <= outer.y + outer.height;
const overlap = (a, b) => a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;

async function playOn(browser, url, screen) {
  const context = await browser.newContext({ viewport: screen.viewport, deviceScaleFactor: 2, isMobile: true, hasTouch: true });
  const page = await context.newPage();
  const errors = [];
  page.on("console", (message) => {
    if (message.type() === "error") errors.push(message.text());
  });
  page.on("pageerror", (error) => errors.push(String(error)));
  const say = (what) => `${screen.name}: ${what}`;

  // The fingers down now, by id: every touch event lists all of them, and one left out is lifted.
  const cdp = await context.newCDPSession(page);
  const fingers = new Map();
  const send = (type) => cdp.send("Input.dispatchTouchEvent", { type, touchPoints: [...fingers.values()] });
  async function press(id, point) {
    const moving = fingers.has(id);
    fingers.set(id, { id, x: point.x, y: point.y });
    await send(moving ? "touchMove" : "touchStart");
  }
  async function lift(id) {
    fingers.delete(id);
    await send(fingers.size ? "touchMove" : "touchEnd");
  }
  async function tap(point) {
    await press(0, point);
    await sleep(150);
    await lift(0);
  }

  const controls = () => page.evaluate(() => Module.touchControls());
  const names = async () => (await controls()).map((control) => control.name).join(" ");
  async function centreOf(name) {
    const control = (await controls()).find((c) => c.name === name);
    if (!control) fail(say(`no control named ${name} on show`));
    return { x: control.x + control.width / 2, y: control.y + control.height / 2 };
  }

  let shot = 0;
  async function screenshot(name, clip) {
    const file = join(shots, `phone-${screen.name}-${String(++shot).padStart(2, "0")}-${name}.png`);
    await page.screenshot({ path: file, clip, scale: "css" });
    return file;
  }
  const still = (name) =>
    waitFor(say(`two identical screenshots a second apart (${name})`), async () => {
      const first = await screenshot(name);
      await sleep(1000);
      return difference(await screenshot(`${name}-later`), first) === 0 ? first : null;
    });

  await page.goto(url);
  await page.locator("#play").waitFor({ state: "visible" });
  check((await page.locator("#play").textContent()) === "Tap to play", say('the page offers "Tap to play"'));
  await tap({ x: screen.viewport.width / 2, y: screen.viewport.height / 2 });
  const title = await waitFor(say("the title on the canvas"), async () => {
    await sleep(500);
    const file = await screenshot("title");
    return brightness(file) > 0.05 ? file : null;
  });
  check((await names()) === "land1 land2 land3 land4 story", say("a tap brings the title with its five buttons"));
  const audio = await page.evaluate(() => Module.SDL2 && Module.SDL2.audioContext && Module.SDL2.audioContext.state);
  check(audio === "running", say(`the tap started the sound, its context ${audio}`));

  // Where the controls are: none over the picture where there is room beside or below it.
  const picture = await page.evaluate(() => Module.pictureRect());
  const window = { x: 0, y: 0, ...screen.viewport };
  for (const control of await controls()) {
    if (control.width < 44 || control.height < 44 || !inside(control, window)) fail(say(`${control.name} is too small or off the screen`));
    if (screen.placed !== "over" && overlap(control, picture)) fail(say(`${control.name} covers the picture`));
  }
  check(true, say(`the picture at ${picture.x},${picture.y} ${picture.width}x${picture.height}, every control ${screen.placed} it and at least 44x44`));
  const [left, top, right, bottom] = screen.insets;
  const clear = { x: left, y: top, width: screen.viewport.width - left - right, height: screen.viewport.height - top - bottom };
  await page.evaluate((insets) => (Module.safeAreaInsets = insets), screen.insets);
  await screenshot("title-safe-area");
  for (const control of await controls()) {
    if (!inside(control, clear)) fail(say(`${control.name} lies in the safe-area insets ${screen.insets}`));
  }
  check(true, say(`with the insets ${screen.insets} every control keeps clear of them`));
  await page.evaluate(() => (Module.safeAreaInsets = [0, 0, 0, 0]));

  await tap(await centreOf("land1"));
  await waitFor(say("play's controls"), async () => (await names()).includes("fire"));
  const land = await waitFor(say("land 1"), async () => {
    await sleep(300);
    const file = await screenshot("land1");
    return difference(file, title) > 0.2 ? file : null;
  });
  check((await names()) === "left right up down jump fire punch pause", say("land1 starts play, with the d-pad and play's buttons"));

  await press(0, await centreOf("right"));
  await sleep(2000);
  const walked = await screenshot("right-held");
  check(difference(walked, land) > 0.1, say(`right held 2 s scrolls the land (${(100 * difference(walked, land)).toFixed(0)}% of pixels changed)`));

  // The bullets on the status line, "QUORAX BULLETS: n" across the picture's top on the right.
  const bullets = {
    x: picture.x + (picture.width * 515) / 640,
    y: picture.y,
    width: (picture.width * 125) / 640,
    height: (picture.height * 16) / 480,
  };
  const before = await screenshot("bullets-before", bullets);
  await press(1, await centreOf("fire"));
  await sleep(200);
  await lift(1);
  await waitFor(say("the bullets to change"), async () => {
    await sleep(300);
    return difference(await screenshot("bullets-after", bullets), before) > 0;
  });
  check(true, say("fire tapped by a second finger while right is held costs a bullet"));
  await lift(0);

  await tap(await centreOf("pause"));
  const paused = await still("paused");
  await tap(await centreOf("pause"));
  await waitFor(say("a new picture after the pause"), async () => {
    await sleep(300);
    return difference(await screenshot("resumed"), paused) > 0;
  });
  check(true, say("pause pauses the game, and a second tap goes on"));

  await page.keyboard.press("Shift");
  await waitFor(say("the controls to hide"), async () => (await controls()).length === 0);
  await screenshot("keyboard");
  check(true, say("a keyboard key hides the controls"));
  check(errors.length === 0, say(`the console holds no error${errors.length ? ": " + errors.join(" | ") : ""}`));
  await context.close();
}

await runInChromium(folder, async (browser, url) => {
  for (const screen of screens) await playOn(browser, url, screen);
});
