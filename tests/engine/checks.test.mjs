// The entry height the checks compute for a style is the height the engine draws: each shipped
// favourite and some extreme styles, measured in Chromium, within 1 px.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import { loadStyles } from '../../tools/write-favorites.mjs';
import * as h from './helpers.mjs';

let browser;
let context;
before(async () => {
  browser = await h.launch();
  context = await browser.newContext({ viewport: { width: 1000, height: 600 }, reducedMotion: 'reduce' });
});
after(() => browser?.close());

const plain = {
  MouseOffFont: '000000', MouseOffBackground: 'FFFFFF', MouseOnFont: 'FFFFFF', MouseOnBackground: '000080',
  MenuBorderColor: '000000', FontSize: 10, FontStyle: 'normal', FontWeight: '', FontName: 'Verdana, Arial',
  MenuItemPadding: 3, SubMenuImage: '', BorderSeparatorbar: '', HighColor: '', LowColor: '', TopBarImage: '',
  MenuHeaderFontColor: '', MenuHeaderBackground: '',
};
const extremes = [
  { Name: 'page font size', ...plain, FontSize: 0, MenuItemPadding: 0 },
  { Name: 'tiny', ...plain, FontSize: 6, MenuItemPadding: 0 },
  { Name: 'huge font', ...plain, FontSize: 48, MenuItemPadding: 1 },
  { Name: 'thick padding', ...plain, FontSize: 9, MenuItemPadding: 40 },
  { Name: 'odd size in bold 3D', ...plain, FontSize: 13, FontWeight: 'bold', MenuItemPadding: 7, BorderSeparatorbar: 'Yes', HighColor: 'FFFFFF', LowColor: '404040' },
  { Name: 'monospace italic', ...plain, FontSize: 17, FontStyle: 'italic', FontName: 'Courier New', MenuItemPadding: 2 },
];

describe('entry height of the checks and of the engine', () => {
  const styles = [...loadStyles(), ...extremes];
  styles.forEach((style, i) => {
    it(`agree for ${style.Name}`, async () => {
      const folder = `height-${i}`;
      const computed = h.checkEdited('products-menu', folder, h.withStyle(style)).styles[0].entryHeight;
      const p = await h.open(context, h.plainPage(h.publishStyled('products-menu', style, folder)));
      await p.hover(h.entry('Our\u00a0products'));
      await p.locator(h.entry('Price\u00a0list')).waitFor();
      // Every entry drawn, of the main menu and of the open submenu: the lowest is what a visitor must hit.
      const heights = await p.locator('.tvx-i').evaluateAll((all) => all.map((e) => e.getBoundingClientRect().height));
      assert.ok(heights.length >= 2);
      const drawn = Math.min(...heights);
      assert.ok(Math.abs(drawn - computed) <= 1, `${style.Name}: drawn ${drawn} px, checked ${computed} px`);
      await p.close();
    });
  });
});
